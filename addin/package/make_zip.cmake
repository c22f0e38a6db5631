# Assembles the Windows package: x86/ and x64/, each with Ostrevan2003.dll, DataQuran beside
# it and the two scripts (CRLF line ends), zipped.
# -Dx64_DLL= -Dx86_DLL= -DDATA_QURAN= -DSCRIPTS= -DSTAGE= -DZIP=
if(NOT EXISTS "${DATA_QURAN}/surahindex.mtf")
  message(FATAL_ERROR "No data pack at \"${DATA_QURAN}\": configure the windows-x64 tree with "
                      "-DPELVARON_DATA_QURAN=<folder holding surahindex.mtf>")
endif()
if(NOT EXISTS "${x86_DLL}" OR IS_DIRECTORY "${x86_DLL}")
  message(FATAL_ERROR "No 32-bit add-in at \"${x86_DLL}\": build the windows-x86 preset and configure the "
                      "windows-x64 tree with -DPELVARON_X86_ADDIN=<its addin/Ostrevan2003.dll>")
endif()
file(REMOVE_RECURSE "${STAGE}")
foreach(arch x86 x64)
  set(dir "${STAGE}/Pelvaron/${arch}")
  file(MAKE_DIRECTORY "${dir}")
  file(COPY "${${arch}_DLL}" DESTINATION "${dir}")
  file(COPY "${DATA_QURAN}" DESTINATION "${dir}")
  foreach(script install.cmd uninstall.cmd)
    configure_file("${SCRIPTS}/${script}" "${dir}/${script}" @ONLY NEWLINE_STYLE CRLF)
  endforeach()
endforeach()
file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip Pelvaron
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${ZIP}")
endif()
message(STATUS "Windows package: ${ZIP}")

# Assembles the Windows package: x86/ and x64/, each with Ostrevan2003.dll, DataQuran beside
# it, the Quran font with its licence and the two scripts (CRLF line ends), zipped.
# -Dx64_DLL= -Dx86_DLL= -DDATA_QURAN= -DQURAN_FONT= -DFONT_COPYRIGHT= -DSCRIPTS= -DSTAGE= -DZIP=
if(NOT EXISTS "${DATA_QURAN}/surahindex.mtf")
  message(FATAL_ERROR "No data pack at \"${DATA_QURAN}\": configure the windows-x64 tree with "
                      "-DPELVARON_DATA_QURAN=<folder holding surahindex.mtf>")
endif()
if(NOT EXISTS "${x86_DLL}" OR IS_DIRECTORY "${x86_DLL}")
  message(FATAL_ERROR "No 32-bit add-in at \"${x86_DLL}\": build the windows-x86 preset and configure the "
                      "windows-x64 tree with -DPELVARON_X86_ADDIN=<its addin/Ostrevan2003.dll>")
endif()
if(NOT EXISTS "${QURAN_FONT}" OR NOT EXISTS "${FONT_COPYRIGHT}")
  message(FATAL_ERROR "No Quran font at \"${QURAN_FONT}\" or no licence at \"${FONT_COPYRIGHT}\": install the "
                      "Debian package fonts-hosny-amiri")
endif()

# The font's licence as plain text, from the package's machine-readable copyright file: its
# copyright line, then the stand-alone OFL paragraph with the continuation markers removed.
file(READ "${FONT_COPYRIGHT}" copyright)
string(REGEX MATCH "Files: \\*\nCopyright: ([^\n]*)" found "${copyright}")
set(holder "${CMAKE_MATCH_1}")
string(FIND "${copyright}" "\nLicense: OFL\n " start REVERSE)
if(start LESS 0 OR NOT holder)
  message(FATAL_ERROR "${FONT_COPYRIGHT}: no copyright line or no OFL licence text")
endif()
math(EXPR start "${start} + 13")
string(SUBSTRING "${copyright}" ${start} -1 licence)
string(REGEX REPLACE "\n \\.(\n|$)" "\n\\1" licence "${licence}")
string(REGEX REPLACE "\n \\.(\n|$)" "\n\\1" licence "${licence}")
string(REGEX REPLACE "\n " "\n" licence "${licence}")
string(STRIP "${licence}" licence)
set(licence "AmiriQuran.ttf, the Amiri Quran font\nCopyright ${holder}\n\n${licence}\n")

file(REMOVE_RECURSE "${STAGE}")
foreach(arch x86 x64)
  set(dir "${STAGE}/Pelvaron/${arch}")
  file(MAKE_DIRECTORY "${dir}")
  file(COPY "${${arch}_DLL}" DESTINATION "${dir}")
  file(COPY "${DATA_QURAN}" DESTINATION "${dir}")
  file(COPY "${QURAN_FONT}" DESTINATION "${dir}")
  file(WRITE "${dir}/AmiriQuran-OFL.txt" "${licence}")
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

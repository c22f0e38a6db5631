# Lays out the extension and zips it: the component, its registration, the menu, the data
# pack and the font. A build without DataQuran still gives an .oxt; its first command then
# says the data is missing.
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
file(COPY "${PACKAGE_DIR}/" DESTINATION "${STAGE}")
configure_file("${PACKAGE_DIR}/description.xml" "${STAGE}/description.xml" @ONLY)
file(COPY "${LIBRARY}" DESTINATION "${STAGE}")
if(IS_DIRECTORY "${DATA_QURAN}")
  file(COPY "${DATA_QURAN}" DESTINATION "${STAGE}")
else()
  message(WARNING "pelvaron.oxt: ${DATA_QURAN} is missing (tools/make-default-pack.sh); the extension carries no data")
endif()
if(EXISTS "${QURAN_FONT}")
  file(COPY "${QURAN_FONT}" DESTINATION "${STAGE}/fonts")
endif()
file(REMOVE "${OXT}")
file(GLOB_RECURSE entries RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT entries)
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${OXT}" --format=zip ${entries}
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pelvaron.oxt: zip failed")
endif()

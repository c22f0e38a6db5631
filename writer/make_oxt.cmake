# Lays out the extension and zips it: the component, its registration, the menu, the data
# pack and the font. A build without DataQuran still gives an .oxt; its first command then
# says the data is missing.
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
file(COPY "${PACKAGE_DIR}/" DESTINATION "${STAGE}")
include("${CMAKE_CURRENT_LIST_DIR}/publisher.cmake")
pelvaron_publisher(PUBLISHER "${PUBLISHER_NAME}" "${PUBLISHER_CONTACT}")
configure_file("${PACKAGE_DIR}/description.xml" "${STAGE}/description.xml" @ONLY)
file(COPY "${LIBRARY}" DESTINATION "${STAGE}")
if(IS_DIRECTORY "${DATA_QURAN}")
  file(COPY "${DATA_QURAN}" DESTINATION "${STAGE}")
else()
  message(WARNING "pelvaron.oxt: ${DATA_QURAN} is missing (tools/make-default-pack.sh); the extension carries no data")
endif()
# LibreOffice loads no fonts from extensions, but it does take the fonts a document embeds:
# the font goes in as a flat ODF text whose font face carries it, for the component to open.
if(EXISTS "${QURAN_FONT}")
  execute_process(COMMAND base64 -w0 "${QURAN_FONT}" OUTPUT_VARIABLE FONT_BASE64 RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "pelvaron.oxt: base64 of ${QURAN_FONT} failed")
  endif()
  get_filename_component(font_file_name "${QURAN_FONT}" NAME_WE)
  configure_file("${PACKAGE_DIR}/../quran-font.fodt.in" "${STAGE}/fonts/quran-font.fodt" @ONLY)
  # The font's licence (SIL Open Font License) travels with it.
  if(EXISTS "${FONT_COPYRIGHT}")
    file(COPY_FILE "${FONT_COPYRIGHT}" "${STAGE}/fonts/${font_file_name}-COPYRIGHT.txt")
  endif()
else()
  message(WARNING "pelvaron.oxt: ${QURAN_FONT} is missing (fonts-hosny-amiri); the extension carries no font")
endif()
file(REMOVE "${OXT}")
file(GLOB_RECURSE entries RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT entries)
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${OXT}" --format=zip ${entries}
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pelvaron.oxt: zip failed")
endif()

# The extension's publisher for the About box settings a build may be given: a link only to a
# contact given, the texts escaped for XML.
include("${CMAKE_CURRENT_LIST_DIR}/../../writer/publisher.cmake")
function(expect_publisher author contact expected)
  pelvaron_publisher(got "${author}" "${contact}")
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "author '${author}', contact '${contact}':\n  got      ${got}\n  expected ${expected}")
  endif()
endfunction()
expect_publisher("Pelvaron" "-" [[<name lang="en">Pelvaron</name>]])
expect_publisher("Pelvaron" " " [[<name lang="en">Pelvaron</name>]])
expect_publisher("Tim Pelvaron" "tim@pelvaron.id"
                 [[<name xlink:href="mailto:tim@pelvaron.id" lang="en">Tim Pelvaron</name>]])
expect_publisher("Pelvaron" "https://pelvaron.id/kontak"
                 [[<name xlink:href="https://pelvaron.id/kontak" lang="en">Pelvaron</name>]])
expect_publisher("Pelvaron" "Jl. Merdeka 5, Bandung" [[<name lang="en">Pelvaron</name>]])
expect_publisher([[A & B <Q>]] [[a@b.id?x="1"&y]]
                 [[<name xlink:href="mailto:a@b.id?x=&quot;1&quot;&amp;y" lang="en">A &amp; B &lt;Q&gt;</name>]])
# The template must take the element from here: no address of its own.
file(READ "${CMAKE_CURRENT_LIST_DIR}/../../writer/package/description.xml" description)
if(NOT description MATCHES "<publisher>[ \n]*@PUBLISHER@[ \n]*</publisher>" OR description MATCHES "href")
  message(SEND_ERROR "writer/package/description.xml must carry @PUBLISHER@ and no link of its own")
endif()

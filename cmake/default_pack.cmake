# Builds the default data pack (cmake -P): the npm packages quran-json (the text) and
# quran-meta (the mushaf's divisions), each pinned by version and SHA-512 (the integrity npm
# records for it), fetched once into CACHE and checked before every use, unpacked under
# CACHE; a node step writes quran-meta's lists as JSON, then `PELVARON pack` writes OUT. The
# fetched data never goes into git (CACHE lies under build/).
#   -DPELVARON=<pelvaron> -DCACHE=<folder> -DOUT=<DataQuran folder> [-DNPM=<npm>] [-DNODE=<node>]

# Fetches name@version into CACHE unless the tarball there already has the SHA-512, then
# unpacks it to CACHE/<folder>.
function(fetch_npm_package name version sha512 folder)
  set(tarball "${CACHE}/${name}-${version}.tgz")
  set(actual "")
  if(EXISTS "${tarball}")
    file(SHA512 "${tarball}" actual)
  endif()
  if(NOT actual STREQUAL sha512)
    file(REMOVE "${tarball}")
    if(NOT NPM)
      find_program(NPM npm)
    endif()
    if(NOT NPM)
      message(FATAL_ERROR "default pack: npm is needed to fetch ${name}@${version} (Debian: npm)")
    endif()
    message(STATUS "Fetching ${name}@${version} from the npm registry")
    execute_process(COMMAND "${NPM}" pack --silent "${name}@${version}" WORKING_DIRECTORY "${CACHE}"
                    RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0 OR NOT EXISTS "${tarball}")
      message(FATAL_ERROR "default pack: npm pack ${name}@${version} failed")
    endif()
    file(SHA512 "${tarball}" actual)
    if(NOT actual STREQUAL sha512)
      message(FATAL_ERROR "default pack: ${tarball} has SHA-512 ${actual}, expected ${sha512}")
    endif()
  endif()
  file(REMOVE_RECURSE "${CACHE}/${folder}" "${CACHE}/unpack")
  file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${CACHE}/unpack")
  file(RENAME "${CACHE}/unpack/package" "${CACHE}/${folder}")
  file(REMOVE_RECURSE "${CACHE}/unpack")
endfunction()

file(MAKE_DIRECTORY "${CACHE}")
# npm's integrity "sha512-K0RURQSueVUMpDkZ…" in hexadecimal.
fetch_npm_package(quran-json 3.1.2
  2b44544504ae79550ca439190a77d785c93a6025f69442426abd12b08da768d0e07a2fdcaedad57d11dabd9935e2dc344c994641dff3977b4005238642b24b61
  package)
# npm's integrity "sha512-B/Zdfamnzxs2Lh0O…" in hexadecimal.
fetch_npm_package(quran-meta 6.0.17
  07f65d7da9a7cf1b362e1d0e60a763032c93d23bf51ab91f39dd292501b70bcf0f6f960f97ab46284a32f80e30c46e46bc23c1cfdc4cab340cd96a420ec312b7
  quran-meta)

if(NOT NODE)
  find_program(NODE NAMES node nodejs)
endif()
if(NOT NODE)
  message(FATAL_ERROR "default pack: node is needed to read quran-meta's lists (Debian: nodejs)")
endif()
set(divisions "${CACHE}/quran-meta-divisions.json")
execute_process(COMMAND "${NODE}" "${CMAKE_CURRENT_LIST_DIR}/quran_meta_divisions.mjs" "${CACHE}/quran-meta" "${divisions}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "default pack: reading quran-meta's lists failed (${result})")
endif()
execute_process(COMMAND "${PELVARON}" pack --source "${CACHE}/package" --divisions "${divisions}" --out "${OUT}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "default pack: pelvaron pack failed (${result})")
endif()

# Builds the default data pack (cmake -P): the npm package quran-json, pinned by version and
# SHA-512 (the integrity npm records for it), fetched once into CACHE and checked before every
# use, unpacked to CACHE/package, then `PELVARON pack` writes OUT. The fetched data never goes
# into git (CACHE lies under build/).
#   -DPELVARON=<pelvaron> -DCACHE=<folder> -DOUT=<DataQuran folder> [-DNPM=<npm>]
set(name quran-json)
set(version 3.1.2)
# npm's integrity "sha512-K0RURQSueVUMpDkZ…" in hexadecimal.
set(sha512 2b44544504ae79550ca439190a77d785c93a6025f69442426abd12b08da768d0e07a2fdcaedad57d11dabd9935e2dc344c994641dff3977b4005238642b24b61)
set(tarball "${CACHE}/${name}-${version}.tgz")

file(MAKE_DIRECTORY "${CACHE}")
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

file(REMOVE_RECURSE "${CACHE}/package" "${CACHE}/unpack")
file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${CACHE}/unpack")
file(RENAME "${CACHE}/unpack/package" "${CACHE}/package")
file(REMOVE_RECURSE "${CACHE}/unpack")
execute_process(COMMAND "${PELVARON}" pack --source "${CACHE}/package" --out "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "default pack: pelvaron pack failed (${result})")
endif()

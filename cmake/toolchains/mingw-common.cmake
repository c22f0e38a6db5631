# What both mingw-w64 cross builds share; the toolchain file of each architecture sets
# CMAKE_SYSTEM_PROCESSOR and PELVARON_MINGW_TRIPLET, then includes this. Posix thread model
# (std::mutex and friends compile); linked statically so the add-in imports only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${PELVARON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELVARON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PELVARON_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PELVARON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# Where widl finds stdole2.tlb (its contents do not depend on the architecture).
set(PELVARON_WINE_TLB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)

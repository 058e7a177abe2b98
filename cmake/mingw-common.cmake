set(CMAKE_C_COMPILER ${KAMIFUDA_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KAMIFUDA_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KAMIFUDA_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KAMIFUDA_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs are Windows programs: ctest runs them through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# One self-contained executable: no libstdc++, libgcc or winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

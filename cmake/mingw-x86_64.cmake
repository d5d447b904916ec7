# The 64-bit twin, which carries the Windows tests on hosts that run no 32-bit code.
set(MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# Portable logic behind the palette strip and the banner: no window code, so
# it builds and is tested the same way natively and for Win32.
add_library(kaleidra_ui_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/palette_mapping.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_decoder.cpp)
target_include_directories(kaleidra_ui_logic PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kaleidra_ui_logic PUBLIC ZLIB::ZLIB)

# Runs the screenshot tool into FOLDER and checks that each picture is a PNG of its window: the
# frame's width, and the frame's height plus the menu bar that both windows show on top.
cmake_minimum_required(VERSION 3.25)

set(main_window "${FOLDER}/main-window.png")
set(static_attributes "${FOLDER}/static-attributes.png")
set(after_go "${FOLDER}/main-window-after-go.png")
# Pictures of an earlier run must not pass for this one's.
file(REMOVE "${main_window}" "${static_attributes}" "${after_go}")

execute_process(COMMAND "${TOOL}" "${FOLDER}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quillex_screenshots failed: ${status}")
endif()

# A menu bar is a line of text with its margins: more than nothing, less than 60 pixels.
set(menu_bar_max 60)

function(check_picture file width height)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${file} was not written")
  endif()
  # The signature (8 bytes), then the IHDR chunk: length, type, width and height (big-endian).
  file(READ "${file}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 24 8 chunk)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    message(FATAL_ERROR "${file} is not a PNG picture")
  endif()
  string(SUBSTRING "${header}" 32 8 hex_width)
  string(SUBSTRING "${header}" 40 8 hex_height)
  math(EXPR shown_width "0x${hex_width}")
  math(EXPR shown_height "0x${hex_height}")
  math(EXPR tallest "${height} + ${menu_bar_max}")
  if(NOT shown_width EQUAL width OR shown_height LESS_EQUAL height
     OR shown_height GREATER tallest)
    message(FATAL_ERROR
      "${file} is ${shown_width} x ${shown_height}, expected ${width} x ${height} and a menu bar")
  endif()
  message(STATUS "${file}: ${shown_width} x ${shown_height}")
endfunction()

check_picture("${main_window}" 1009 709)
check_picture("${static_attributes}" 876 650)
check_picture("${after_go}" 1009 709)

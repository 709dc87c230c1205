# Installs the build into PREFIX and checks that the program and its desktop entry are there, that
# the entry passes VALIDATE (desktop-file-validate) with no error, warning or hint, and that its
# keys offer the program for plain text files as a window of its own: an application, started
# without a terminal, shown in the menus, and handed the chosen files by name.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
if(NOT EXISTS ${PREFIX}/bin/quillex)
  message(FATAL_ERROR "bin/quillex was not installed")
endif()
set(entry_file ${PREFIX}/share/applications/quillex.desktop)
execute_process(COMMAND ${VALIDATE} ${entry_file} RESULT_VARIABLE status OUTPUT_VARIABLE said
                ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate (${status}): ${said}")
endif()

# The keys of the [Desktop Entry] group as a desktop reads them, localised ones (Name[de]) aside.
# The entry separates list items with ";", which is CMake's list separator: they are read with ","
# instead.
file(READ ${entry_file} entry)
string(REPLACE ";" "," entry "${entry}")
string(REPLACE "\n" ";" lines "${entry}")
set(group "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\\[(.*)\\]$")
    set(group "${CMAKE_MATCH_1}")
  elseif(group STREQUAL "Desktop Entry" AND line MATCHES "^([A-Za-z0-9-]+) *= *(.*)$")
    set(key_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()
function(refuse what)
  message(FATAL_ERROR "the desktop entry ${what}")
endfunction()

if(NOT "${key_Type}" STREQUAL "Application")
  refuse("is not an application (Type=${key_Type})")
endif()
if("${key_Name}" STREQUAL "")
  refuse("has no name")
endif()
# The program installed above, given the files as local paths (%f or %F): it reads its arguments
# as file names, so a URL (%u or %U) would be a file it cannot find.
if(NOT "${key_Exec}" MATCHES "^quillex( |$)" OR NOT "${key_Exec}" MATCHES "%[fF]"
   OR "${key_Exec}" MATCHES "%[uU]")
  refuse("does not start bin/quillex with the files' paths (Exec=${key_Exec})")
endif()
# A window program: no terminal opened beside it (an absent key means false).
if(DEFINED key_Terminal AND NOT "${key_Terminal}" STREQUAL "false")
  refuse("opens a terminal (Terminal=${key_Terminal})")
endif()
string(REPLACE "," ";" types "${key_MimeType}")
if(NOT "text/plain" IN_LIST types)
  refuse("does not offer the program for plain text (MimeType=${key_MimeType})")
endif()
foreach(key Hidden NoDisplay)
  if("${key_${key}}" STREQUAL "true")
    refuse("is kept out of the menus (${key}=true)")
  endif()
endforeach()

# add_part_folders(): adds every direct subfolder of the current folder that has a CMakeLists.txt,
# so that each part of the program can bring its own tests or benchmarks without editing this file.
function(add_part_folders)
  file(GLOB entries LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
  foreach(entry ${entries})
    if(IS_DIRECTORY "${entry}" AND EXISTS "${entry}/CMakeLists.txt")
      add_subdirectory("${entry}")
    endif()
  endforeach()
endfunction()

# Copies the vocabulary folders, the music and the help beside the executable.
# Vocabulary files already there are the user's and are never overwritten.
file(GLOB languages LIST_DIRECTORIES true "${SOURCE}/resources/vocabulary/*")
foreach(folder ${languages})
  get_filename_component(name "${folder}" NAME)
  file(MAKE_DIRECTORY "${TARGET}/${name}")
  file(GLOB files "${folder}/*.dat")
  foreach(file ${files})
    get_filename_component(fileName "${file}" NAME)
    if(NOT EXISTS "${TARGET}/${name}/${fileName}")
      file(COPY "${file}" DESTINATION "${TARGET}/${name}")
    endif()
  endforeach()
endforeach()

if(EXISTS "${SOURCE}/resources/music/frostel.mid")
  file(COPY "${SOURCE}/resources/music/frostel.mid" DESTINATION "${TARGET}")
endif()

if(EXISTS "${SOURCE}/resources/help/index.html")
  file(REMOVE_RECURSE "${TARGET}/frostel.chm")
  file(COPY "${SOURCE}/resources/help/" DESTINATION "${TARGET}/frostel.chm")
  # Each at its own size and at twice the size, for screens of high pixel density.
  file(GLOB pictures "${SOURCE}/resources/pictures/flag*.png" "${SOURCE}/resources/pictures/tool_*.png")
  if(pictures)
    file(COPY ${pictures} DESTINATION "${TARGET}/frostel.chm/img")
  endif()
endif()

# The program's resources, addressed like executable resources by type and number:
# ":/CUSTOM/1000" is the language table, ":/WAV/100" a sound, ":/BITMAP/101" a picture.
# A picture drawn at twice the size for screens of device pixel ratio 2 goes by Qt's
# name for it: ":/BITMAP/101@2x", ":/pictures/letters@2x.png".
set_source_files_properties(${LANGUAGE_TABLE} PROPERTIES QT_RESOURCE_ALIAS CUSTOM/1000 GENERATED TRUE)
set(RESOURCE_FILES ${LANGUAGE_TABLE})

foreach(id RANGE 100 113)
  set(file ${CMAKE_SOURCE_DIR}/resources/sounds/${id}.wav)
  if(EXISTS ${file})
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS WAV/${id})
    list(APPEND RESOURCE_FILES ${file})
  endif()
endforeach()

file(GLOB PICTURE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/pictures/*.png)
foreach(file ${PICTURE_FILES})
  get_filename_component(name ${file} NAME)
  get_filename_component(stem ${file} NAME_WE)
  if(stem MATCHES "^[0-9]+(@2x)?$")
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS BITMAP/${stem})
  else()
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS pictures/${name})
  endif()
  list(APPEND RESOURCE_FILES ${file})
endforeach()

qt_add_resources(frostel_files frostel_resources PREFIX "/" BASE ${CMAKE_SOURCE_DIR}
                 FILES ${RESOURCE_FILES})

# What the program reads beside itself, so that the build folder is a working
# program folder.
add_custom_target(program_folder ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DTARGET=${CMAKE_BINARY_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/CopyProgramFiles.cmake
  COMMENT "Laying out the program folder")

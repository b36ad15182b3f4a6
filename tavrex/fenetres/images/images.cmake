# The program's images. Each images/NAME.svg is a drawing in text, rendered at build
# time to images/NAME.png in the build tree with the shared style sheet images/style.css;
# a picture kept as a PNG (images/NAME.png) is copied beside them. The resource file
# ressources.qrc names them all and is compiled from the build tree's copy.
# Sets TAVREX_RESSOURCES_CPP, the compiled resources, for the windows' library.

find_package(Qt${TAVREX_QT_MAJOR} REQUIRED COMPONENTS Svg)
add_executable(tavrex-svgpng ${CMAKE_SOURCE_DIR}/cmake/svgpng.cpp)
target_link_libraries(tavrex-svgpng PRIVATE Qt${TAVREX_QT_MAJOR}::Gui Qt${TAVREX_QT_MAJOR}::Svg)

set(_images_src ${CMAKE_CURRENT_SOURCE_DIR}/fenetres/images)
set(_images_bin ${CMAKE_CURRENT_BINARY_DIR}/images)
set(_style ${_images_src}/style.css)
file(GLOB _dessins CONFIGURE_DEPENDS ${_images_src}/*.svg)
file(GLOB _photos CONFIGURE_DEPENDS ${_images_src}/*.png)
set(_pngs)
foreach(_svg ${_dessins})
  get_filename_component(_nom ${_svg} NAME_WE)
  set(_png ${_images_bin}/${_nom}.png)
  add_custom_command(OUTPUT ${_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_images_bin}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:tavrex-svgpng> ${_style} ${_svg} ${_png}
    DEPENDS tavrex-svgpng ${_svg} ${_style}
    COMMENT "Drawing images/${_nom}.png" VERBATIM)
  list(APPEND _pngs ${_png})
endforeach()
foreach(_photo ${_photos})
  get_filename_component(_nom ${_photo} NAME)
  add_custom_command(OUTPUT ${_images_bin}/${_nom}
    COMMAND ${CMAKE_COMMAND} -E copy ${_photo} ${_images_bin}/${_nom}
    DEPENDS ${_photo} VERBATIM)
  list(APPEND _pngs ${_images_bin}/${_nom})
endforeach()

set(TAVREX_RESSOURCES_CPP ${CMAKE_CURRENT_BINARY_DIR}/qrc_ressources.cpp)
add_custom_command(OUTPUT ${TAVREX_RESSOURCES_CPP}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/fenetres/ressources.qrc ${CMAKE_CURRENT_BINARY_DIR}/ressources.qrc
  COMMAND Qt${TAVREX_QT_MAJOR}::rcc --name ressources --output ${TAVREX_RESSOURCES_CPP}
          ${CMAKE_CURRENT_BINARY_DIR}/ressources.qrc
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fenetres/ressources.qrc ${_pngs}
  COMMENT "Compiling the resources" VERBATIM)
add_custom_target(tavrex_images DEPENDS ${TAVREX_RESSOURCES_CPP})

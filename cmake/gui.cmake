# The Qt desktop program: the windows over the core library, the program
# `starwise`, the documentation screenshots and the install rules.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Svg PrintSupport)
include(GNUInstallDirs)

add_library(starwise_gui STATIC
  gui/application.cpp
  gui/clickable_label.cpp
  gui/about_box.cpp
  gui/help_menus.cpp
  gui/links.cpp
  gui/look.cpp
  gui/focus_ring.cpp
  gui/frame_window.cpp
  gui/message_sink.cpp
  gui/single_instance.cpp
  gui/url_opener.cpp
  gui/filtered_line_edit.cpp
  gui/entry_window.cpp
  gui/report_window.cpp
  gui/chart_wheel.cpp
  gui/reading_wheel.cpp
  gui/piece_styles.cpp
  gui/scaled_design.cpp
  gui/reading_html.cpp
  gui/reading_pages.cpp
  gui/reading_files.cpp
  gui/document_dialogs.cpp
  gui/command_line.cpp
  gui/people_panel.cpp
  gui/people_controller.cpp
  gui/pictures/pictures.qrc
)
set_target_properties(starwise_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(starwise_gui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(starwise_gui PUBLIC starwise_core starwise_chart Qt6::Widgets Qt6::Svg Qt6::PrintSupport)

add_executable(starwise gui/main.cpp)
target_link_libraries(starwise PRIVATE starwise_gui)

add_executable(starwise-screenshots gui/screenshots.cpp)
target_link_libraries(starwise-screenshots PRIVATE starwise_gui)

install(TARGETS starwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES gui/starwise.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# What software centres show; its newest release is the version built.
set(STARWISE_METAINFO ${PROJECT_SOURCE_DIR}/gui/io.github.starwise.starwise.metainfo.xml)
file(READ ${STARWISE_METAINFO} metainfo_text)
if(NOT metainfo_text MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "${STARWISE_METAINFO}: its first release must be version ${PROJECT_VERSION}")
endif()
install(FILES ${STARWISE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES gui/pictures/starwise-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME starwise.svg)

# The Qt desktop program: the windows over the core library, the program
# `starwise`, the documentation screenshots and the install rules.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Svg)
include(GNUInstallDirs)

add_library(starwise_gui STATIC
  shell/application.cpp
  shell/clickable_label.cpp
  shell/frm_about.cpp
  shell/help_menus.cpp
  shell/links.cpp
  shell/look.cpp
  shell/mdi.cpp
  shell/message_sink.cpp
  shell/single_instance.cpp
  shell/url_opener.cpp
  entry/filtered_line_edit.cpp
  entry/frm_main.cpp
  houses/frm_display.cpp
  gui/wheel_layout.cpp
  gui/chart_wheel.cpp
  content/pictures/pictures.qrc
)
set_target_properties(starwise_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(starwise_gui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(starwise_gui PUBLIC starwise_core Qt6::Widgets Qt6::Svg)

add_executable(starwise shell/main.cpp)
target_link_libraries(starwise PRIVATE starwise_gui)

add_executable(starwise-screenshots shell/screenshots.cpp)
target_link_libraries(starwise-screenshots PRIVATE starwise_gui)

install(TARGETS starwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES shell/starwise.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES content/pictures/starwise-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME starwise.svg)

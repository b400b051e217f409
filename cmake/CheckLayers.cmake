# Fails when a layer includes a header of a layer above it.
#   cmake -DSOURCE_DIR=... -P CheckLayers.cmake
set(_rules
  "platform/core|platform/widgets/,program/,image/,rules/,mainwindow/,link/,document/,shell/,QtWidgets,QWidget,QDialog"
  "platform/widgets|program/,image/,rules/,mainwindow/,link/,document/,shell/"
  "program|platform/widgets/,image/,rules/,mainwindow/,link/,document/,shell/,QtWidgets,QWidget"
  "image|platform/widgets/,rules/,mainwindow/,link/,document/,shell/,QtWidgets,QWidget,QtGui"
  "mainwindow|platform/widgets/,rules/,link/,document/,shell/"
  "rules|platform/widgets/,mainwindow/,link/,document/,shell/,QtWidgets,QWidget,QtGui"
  "link|document/,shell/"
  "document|link/,shell/")
set(_bad "")
foreach(_rule IN LISTS _rules)
  string(REPLACE "|" ";" _parts "${_rule}")
  list(GET _parts 0 _dir)
  list(GET _parts 1 _forbidden)
  string(REPLACE "," ";" _forbidden "${_forbidden}")
  file(GLOB _files ${SOURCE_DIR}/${_dir}/*.h ${SOURCE_DIR}/${_dir}/*.cpp)
  foreach(_file IN LISTS _files)
    file(STRINGS ${_file} _includes REGEX "^[ \t]*#[ \t]*include")
    foreach(_inc IN LISTS _includes)
      foreach(_f IN LISTS _forbidden)
        string(FIND "${_inc}" "${_f}" _pos)
        if(NOT _pos EQUAL -1)
          list(APPEND _bad "${_file}: ${_inc}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(_bad)
  string(REPLACE ";" "\n" _bad "${_bad}")
  message(FATAL_ERROR "Includes that point up the layers:\n${_bad}")
endif()
message(STATUS "Layer rule holds")

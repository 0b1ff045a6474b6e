# The main window: its rules in the core, its dialogs and the split button in the GUI layer.
target_sources(qlx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MediamgrModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OneArgumentFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SplitButtonLayout.cpp
)

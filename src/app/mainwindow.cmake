# The main window: its rules in the core, its dialogs and the split button in the GUI layer.
target_sources(qlx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MediamgrModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SplitButtonLayout.cpp
)
target_sources(qlx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CAboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CMediamgrDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/COptionDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CPopupButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolWaitGuard.cpp
)
# PaperList has a member named `slots`, which Qt's keyword macros would swallow in every file
# that sees both; the layer's own sources use Q_SLOTS / Q_SIGNALS / Q_EMIT instead.
target_compile_definitions(qlx_gui PRIVATE QT_NO_KEYWORDS)

# The paper editor's dialogs over the rules above: the editor, the advanced settings, the
# spin arrows and the editor the main window runs.
target_sources(qlx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CAdvanceDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNewLabelDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSpinArrows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogPaperEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShowControlStates.cpp
)

# The game thread, its hand-over to the user-interface thread and the keyboard.
target_sources(tamb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameClock.cpp ${CMAKE_CURRENT_LIST_DIR}/GameClock.h
  ${CMAKE_CURRENT_LIST_DIR}/TManControl.cpp ${CMAKE_CURRENT_LIST_DIR}/TManControl.h
  ${CMAKE_CURRENT_LIST_DIR}/CoalescingTimer.cpp ${CMAKE_CURRENT_LIST_DIR}/CoalescingTimer.h
  ${CMAKE_CURRENT_LIST_DIR}/UiGameHost.cpp ${CMAKE_CURRENT_LIST_DIR}/UiGameHost.h
  ${CMAKE_CURRENT_LIST_DIR}/GameKeyboard.cpp ${CMAKE_CURRENT_LIST_DIR}/GameKeyboard.h
  ${CMAKE_CURRENT_LIST_DIR}/TMainFormGame.cpp)

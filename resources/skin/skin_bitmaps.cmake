# Every picture the skin artwork generator draws, by resource number: the skin
# bitmaps 301-370 that the controls use, and the jukebox's program icon (102).
set(SKIN_BITMAP_IDS 102)
foreach(id RANGE 301 370)
  # 363, 365 and 367 would be small twins of buttons that have none.
  if(NOT id EQUAL 363 AND NOT id EQUAL 365 AND NOT id EQUAL 367)
    list(APPEND SKIN_BITMAP_IDS ${id})
  endif()
endforeach()

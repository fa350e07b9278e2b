# "Wave\sensorImage.bmp" of the install folder: the bitmap the sensor image is written into,
# made at build time from its script.
set(sensor_bitmap ${ORVIX_INSTALL_DIR}/Wave/sensorImage.bmp)
set(sensor_bitmap_script ${CMAKE_CURRENT_LIST_DIR}/make_sensor_bitmap.py)
add_custom_command(OUTPUT ${sensor_bitmap}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVIX_INSTALL_DIR}/Wave
  COMMAND python3 ${sensor_bitmap_script} ${sensor_bitmap}
  DEPENDS ${sensor_bitmap_script}
  COMMENT "Making the sensor image bitmap"
  VERBATIM)
add_custom_target(sensor_bitmap ALL DEPENDS ${sensor_bitmap})
add_dependencies(OrvixOneMonitor sensor_bitmap)

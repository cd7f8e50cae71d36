# The HUD: vertex lists, glyph cells and runs, the batch's command list and the clock text
# without GL; the drawn HUD read back from a real GL context, with the batched frame held
# byte for byte against the per-primitive drawing; and the HUD through the built library
# as a host drives it.
vigil_test(hud_geometry_tests hud/HudGeometryTest.cpp hud/InfoTextTest.cpp hud/HudBatchingTest.cpp LINKS vigil_core)
vigil_test(hud_drawing_tests hud/HudDrawingTest.cpp hud/InfoBlockDrawingTest.cpp hud/HudIdentityTest.cpp
  LINKS vigil_test_access vigil_hostkit)
vigil_test(hud_frame_tests hud/HudFrameTest.cpp LINKS vigil_hostkit PLUGIN)

# Overlay pictures named through "Overlay Image", rendered by both builds. Part of
# compare-under-wine.sh.

# Renders NAME with the overlay file PICTURE on both builds and without it on Windows;
# the overlay must have been drawn there (or both builds would agree trivially), and
# the two builds' pictures must match.
check_overlay_scene() {
  local name=$1 picture=$2 frames=$3
  local common=(--size 640x360 --frames "$frames" --set "Show Info=off")
  linux_host render "$LINUX_LIB" "${common[@]}" --set "Overlay Image=$picture" \
    --output "$WORK/linux/$name.png" 2>"$WORK/linux/$name.log" >/dev/null
  windows_host render "$(windows_path "$WINDOWS_LIB")" "${common[@]}" \
    --set "Overlay Image=$(windows_path "$picture")" \
    --output "$(windows_path "$WORK/windows/$name.png")" 2>"$WORK/windows/$name.log" >/dev/null
  windows_host render "$(windows_path "$WINDOWS_LIB")" "${common[@]}" \
    --output "$(windows_path "$WORK/windows/$name-without.png")" 2>/dev/null >/dev/null

  local drawn
  drawn=$(max_channel_difference "$WORK/windows/$name.png" "$WORK/windows/$name-without.png")
  if [[ "$drawn" =~ ^[0-9]+$ ]] && [ "$drawn" -gt 0 ] && ! grep -q "Failed to load" "$WORK/windows/$name.log"; then
    pass "overlay $(basename "$picture") drawn on Windows"
  else
    fail "overlay $(basename "$picture") not drawn on Windows: $(head -3 "$WORK/windows/$name.log")"
  fi
  compare_scene "$name" "$WORK/linux/$name.png" "$WORK/windows/$name.png" "$TOLERANCE"
}

check_overlays() {
  # A UTF-8 file name with letters outside the Windows code page opens only through the
  # wide-character API; the pictures written are named so too.
  local still="$WORK/überwachung-наблюдение.png"
  convert -size 64x16 xc:red -size 64x16 xc:blue -append "$still"
  check_overlay_scene overlay-still-наблюдение "$still" 2
  # Three frames of 100 ms, paced from the frame that first shows the animation (the host
  # waits for the load, uncounted): eight frames later the second is shown.
  local animation="$WORK/animation.gif"
  convert -delay 10 -size 48x48 xc:red xc:lime xc:blue "$animation"
  check_overlay_scene overlay-gif "$animation" 8
}

# save_head LEVEL EXP NEXT HP MP MAXMP STR DEX INT: the first 42 bytes of the 66-byte save,
# little-endian, with the heroine at the continue point (7, 5) facing down: Reserved, PlayerLevel,
# PlayerExp, NextExp, PlayerHp, PlayerMp, PlayerMaxMp, Jumping, PlayerStr, PlayerDex, PlayerInt,
# PlayerX, PlayerY, AnimStep, Facing. SelectCode, WeaponX, WeaponC and the 21 story flags follow.
save_head() {
  perl -e 'print pack("s<4 f<3 s< f<3 s<4", 0, @ARGV[0..2], @ARGV[3..5], 0, @ARGV[6..8], 7, 5, 0, 0)' "$@"
}

# write_start_save FILE: a 66-byte save of a heroine at the start of the story (level 1, the
# new game's numbers, nothing found yet), for scripts that continue rather than sit through the
# opening.
write_start_save() {
  {
    save_head 1 0 100 50 50 50 50 50 50
    printf '\x01\x00\x00'          # SelectCode 1, WeaponX 0, WeaponC 0
    printf '%021d' 0 | tr 0 '\000' # StoryFlags
  } >"$1"
}

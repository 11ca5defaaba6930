# write_start_save FILE: a 66-byte save of a heroine at the start of the story (level 1, the
# new game's numbers, nothing found yet), for scripts that continue rather than sit through the
# opening.
write_start_save() {
  {
    printf '\x00\x00\x01\x00\x00\x00\x64\x00' # Reserved, PlayerLevel 1, PlayerExp 0, NextExp 100
    printf '\x00\x00\x48\x42\x00\x00\x48\x42' # PlayerHp 50, PlayerMp 50
    printf '\x00\x00\x48\x42\x00\x00'         # PlayerMaxMp 50, Jumping 0
    printf '\x00\x00\x48\x42\x00\x00\x48\x42' # PlayerStr 50, PlayerDex 50
    printf '\x00\x00\x48\x42'                 # PlayerInt 50
    printf '\x07\x00\x05\x00\x00\x00\x00\x00' # PlayerX, PlayerY, AnimStep, Facing
    printf '\x01\x00\x00'                     # SelectCode 1, WeaponX 0, WeaponC 0
    printf '%021d' 0 | tr 0 '\000'            # StoryFlags
  } >"$1"
}

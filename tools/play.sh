#!/bin/sh
# Installs what is missing, builds the named game and starts it: sh tools/play.sh GAME
set -eu
cd "$(dirname "$0")/.."
GAMES="moonguard moonguard_r turret turret_r skirmish_r skirmish rockfield antcannon"
game="${1:-}"
case " $GAMES " in
    *" $game "*) ;;
    *) echo "usage: sh tools/play.sh GAME, where GAME is one of: $GAMES" >&2; exit 2 ;;
esac

sh tools/setup.sh
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=Release -DARCADE_TESTS=OFF -DARCADE_BENCHMARKS=OFF
cmake --build build-play -j"$(nproc 2>/dev/null || echo 2)" --target "$game"
exec "$(find build-play -type f -name "$game" -perm -u+x | head -n 1)"

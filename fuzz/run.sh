#!/usr/bin/env bash
# Builds the mail decode fuzzer with clang (libFuzzer + AddressSanitizer + UBSan)
# and runs it for the given number of seconds (default 20) on the seed mails.
#   fuzz/run.sh 20        the short run of test.sh
#   fuzz/run.sh 3600      a longer hunt; findings land in build-fuzz/crash-*
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
out=build-fuzz
mkdir -p "$out/corpus"
cp -n fuzz/seeds/* "$out/corpus/" 2>/dev/null || true

sources=(fuzz/decode_fuzzer.cpp src/mail/MimeReader.cpp src/mail/GMimeOnce.cpp src/mail/Charsets.cpp src/mail/CharsetGuess.cpp
         src/mail/LegacyDecode.cpp src/mail/AttachmentWriter.cpp src/common/Cp932.cpp
         src/common/CarrierPictographs.cpp src/common/LineEnds.cpp)
# The pictograph table is generated the way the CMake build makes it.
cmake -DSOURCE=/usr/share/unicode/EmojiSources.txt -DOUTPUT="$out/EmojiTable.inc" -P cmake/EmojiTable.cmake
if [ ! -x "$out/decode_fuzzer" ] || [ -n "$(find "${sources[@]}" src/mail/*.h -newer "$out/decode_fuzzer")" ]; then
  clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Isrc -I"$out" $(pkg-config --cflags Qt6Core Qt6Gui gmime-3.0 uchardet) "${sources[@]}" \
    $(pkg-config --libs Qt6Core Qt6Gui gmime-3.0 uchardet) -o "$out/decode_fuzzer"
fi
# Leak checks stay off: Qt and GLib keep process-wide caches on purpose.
ASAN_OPTIONS=detect_leaks=0 "$out/decode_fuzzer" -max_total_time="$seconds" -max_len=65536 \
  -rss_limit_mb=2048 -artifact_prefix="$out/" -print_final_stats=1 "$out/corpus" 2>&1 | tail -15

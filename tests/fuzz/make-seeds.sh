#!/usr/bin/env bash
# Writes the fuzzer's seed corpus: small images of each readable kind, a truncated one and a
# header that declares a huge size. Each seed starts with the byte that picks its format
# (the index in readableImageFormats()).
set -euo pipefail
out=${1:-$(dirname "$0")/seeds}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seed() { # seed <name> <format index> <file>
    { printf "\\x$(printf %02x "$2")"; cat "$3"; } >"$out/$1"
}
convert -size 12x8 gradient:red-blue "$work/rgb.png"
convert -size 9x5 pattern:checkerboard -monochrome "$work/mono.png"
convert -size 10x6 plasma:fractal -colors 5 -type Palette "$work/palette.png"
convert -size 8x8 xc:'#80ff0040' -alpha set "PNG32:$work/alpha.png"
convert "$work/rgb.png" "BMP3:$work/rgb.bmp"
convert "$work/rgb.png" "$work/rgb.ppm"
convert "$work/palette.png" "$work/palette.gif"
convert "$work/rgb.png" "$work/rgb.jpg"
head -c 60 "$work/rgb.png" >"$work/truncated.png"
# 100000 x 100000 RGB: signature and header chunk, CRC included.
printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x01\x86\xa0\x00\x01\x86\xa0\x08\x02\x00\x00\x00' >"$work/huge.png"
python3 -c 'import zlib,sys; d=open(sys.argv[1],"rb").read(); sys.stdout.buffer.write(zlib.crc32(d[12:]).to_bytes(4,"big"))' "$work/huge.png" >>"$work/huge.png"
seed rgb-png 0 "$work/rgb.png"
seed mono-png 0 "$work/mono.png"
seed palette-png 0 "$work/palette.png"
seed alpha-png 0 "$work/alpha.png"
seed truncated-png 0 "$work/truncated.png"
seed huge-png 0 "$work/huge.png"
seed rgb-bmp 1 "$work/rgb.bmp"
seed rgb-ppm 3 "$work/rgb.ppm"
seed palette-gif 4 "$work/palette.gif"
seed rgb-jpeg 5 "$work/rgb.jpg"

#!/bin/sh
# Makes the JPEG files the decoder must read, one for each way the tools
# write them, into FOLDER. The test suite runs it (JpegCorpusTest) and derives
# further files from these: without JFIF segment, with Exif orientations,
# with the colour transform of an Adobe segment changed.
#   tests/carvello/jpeg/make-corpus.sh FOLDER
set -eu
cd "$1"

# Odd sizes on purpose: neither is a multiple of any MCU.
convert -seed 3 -size 61x43 plasma:fractal -blur 0x1 source.ppm
convert -seed 5 -size 13x7 plasma:fractal small.ppm

cjpeg -quality 85 -outfile jfif.jpg source.ppm
cjpeg -quality 85 -sample 1x1 -rgb -outfile adobe-rgb.jpg source.ppm
convert source.ppm -quality 90 -colorspace CMYK ycck.jpg
# Quality 23 and below: 16-bit quantization tables in an SOF1 frame.
cjpeg -quality 10 -outfile sof1-16bit.jpg source.ppm 2>/dev/null
cjpeg -quality 85 -arithmetic -outfile arithmetic.jpg source.ppm
cjpeg -quality 85 -arithmetic -restart 2B -sample 2x1 -outfile arithmetic-restart.jpg source.ppm
cjpeg -quality 85 -arithmetic -progressive -outfile arithmetic-progressive.jpg source.ppm
cjpeg -quality 70 -arithmetic -progressive -grayscale -outfile arithmetic-progressive-grey.jpg \
  source.ppm
cjpeg -quality 85 -arithmetic -progressive -outfile arithmetic-small.jpg small.ppm
{
  cat jfif.jpg
  printf 'bytes after the end of the image\377\330\377'
} >trailing.jpg
rm source.ppm small.ppm

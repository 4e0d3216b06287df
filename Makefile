# Gromble: cross-built with MinGW-w64, run and tested under Wine. Each command
# first installs the Debian packages it needs when one is missing (scripts/deps.sh),
# a few file tests when none is.
#   make          build everything: build/gromble.exe, the benchmark and the tests
#   make run      build the program alone and start it (see scripts/run.sh)
#   make stop     end the Gromble that `make run` started
#   make test     build everything and run every test (extra ctest arguments: CTEST_ARGS=...;
#                 some GoogleTest cases only: GTEST_FILTER='ListFile.*' CTEST_ARGS='-R gromble_tests')
#   make bench    build and run the benchmark; prints the machine and a table of figures
#   make dist     build the Windows installer and the Debian package in build/dist/
#   make screenshots  render the screenshots in docs/
#   make deps     install every Debian package that any of these needs
#   make prefix   create the Wine prefix build/wineprefix
#   make clean    remove build/ (stops a running Gromble first)

SHELL := /bin/bash
CTEST_ARGS ?=

.PHONY: all build run stop test bench dist screenshots deps prefix clean

all: build

build:
	@bash scripts/build.sh

run:
	@bash scripts/run.sh

stop:
	@bash scripts/stop.sh

test:
	@bash scripts/test.sh $(CTEST_ARGS)

bench:
	@bash scripts/bench.sh

dist:
	@bash scripts/dist.sh

screenshots:
	@bash scripts/screenshots.sh

deps:
	@bash scripts/deps.sh

prefix:
	@bash scripts/deps.sh prefix && bash scripts/wineprefix.sh

clean:
	@bash scripts/stop.sh --quiet
	rm -rf build

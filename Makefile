# The project's entry points. Each target installs what is missing and builds what changed.
.PHONY: deps dev release run test package check-install bench format format-check presets-check layers-check tidy windows

CLANG_FORMAT ?= clang-format
SOURCES = $(shell git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')

deps:
	@scripts/install-deps

# Configured again when the presets change, so a build tree takes up new preset settings.
build/dev/CMakeCache.txt: CMakePresets.json | deps
	@cmake --preset dev >/dev/null && touch $@

build/release/CMakeCache.txt: CMakePresets.json | deps
	@cmake --preset release >/dev/null && touch $@

dev: deps build/dev/CMakeCache.txt
	@cmake --build --preset dev

release: deps build/release/CMakeCache.txt
	@cmake --build --preset release

run: release
	@scripts/run

test: dev format-check presets-check layers-check
	@ctest --preset dev

# The package lands in build/, where `sudo apt install ./build/*.deb` finds it alone.
package: release
	@rm -f build/kestrova-setup_*.deb build/release/kestrova-setup_*.deb
	@cmake --build --preset release --target package >/dev/null
	@cp build/release/kestrova-setup_*.deb build/ && ls build/kestrova-setup_*.deb

check-install: package
	@scripts/check-install

# The Windows programs and their installer, cross-built against the Qt for Windows that
# scripts/build-windows-qt makes once (an hour or more); see README.md.
windows: deps
	@scripts/build-windows

bench: release
	@scripts/bench

format: deps
	@$(CLANG_FORMAT) -i $(SOURCES)

format-check: deps
	@$(CLANG_FORMAT) --dry-run --Werror $(SOURCES) && echo "clang-format: clean"

# The committed operator preset tables are what the provider database and
# scripts/presets-mapping.json give.
presets-check: deps
	@scripts/update-presets --check && echo "update-presets: tables current"

# Each folder of src/ includes only the folders below it.
layers-check:
	@scripts/check-layers && echo "check-layers: no include runs upward"

# clang-tidy over src/ with the checks in .clang-tidy; slow (minutes), so not part of `make test`.
tidy: dev
	@scripts/tidy

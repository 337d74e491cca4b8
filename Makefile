# SPDX-License-Identifier: MIT
# make run: install what is missing, build, start the program. make test: the same, then every test.
PRESET ?= dev
BUILD := build/$(PRESET)

.PHONY: all deps build test run package screenshots windows test-windows web test-web serve-web clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@cmake --preset $(PRESET) --log-level=WARNING
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET)

run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: there is no display to show the window on; start one with: xvfb-run make run" >&2; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	@$(BUILD)/ui/qt/selmak

# The Debian package, from an optimised build: build/release/selmak_*.deb
package:
	@tools/install-deps.sh ci
	@cmake --preset release --log-level=WARNING
	@cmake --build --preset release
	@cd build/release && cpack

# The native Windows program, cross-built: build/windows/selmak.exe and, beside it, the zip
# selmak-1.00-windows-x64.zip and the installer selmak-1.00-setup.exe
windows:
	@tools/install-deps.sh windows
	@cmake --preset windows --log-level=WARNING
	@cmake --build --preset windows
	@cd build/windows && cpack -G ZIP

# The Windows program's tests, under Wine on a virtual display
test-windows: windows
	@ctest --preset windows

# The web edition, ready for any static web server: build/web (the page, its script and wasm, the
# icons, the manifest and the service worker)
web:
	@tools/install-deps.sh web
	@cmake --preset web --log-level=WARNING
	@cmake --build --preset web

# The page's tests in headless chromium, and its pictures compared with the README's
test-web: web
	@ctest --preset web

# The page on this machine only: http://localhost:8000/
serve-web: web
	@echo "selmak: http://localhost:8000/ (Ctrl+C ends)"
	@python3 -m http.server 8000 --bind 127.0.0.1 --directory build/web

# The README's pictures, drawn offscreen from the real windows: docs/screenshots/*.png; where Wine
# is installed, the Windows edition's too (docs/screenshots/windows-*.png), and where emscripten
# is, the web edition's (docs/screenshots/web-*.png)
screenshots: build
	@$(BUILD)/tools/screenshots/selmak_screenshots docs/screenshots
	@if command -v em++ >/dev/null 2>&1; then \
	  $(MAKE) --no-print-directory web && tools/web-screenshots.sh docs/screenshots; \
	fi
	@if command -v wine >/dev/null 2>&1; then \
	  $(MAKE) --no-print-directory windows && tools/windows-screenshots.sh build/windows docs/screenshots; \
	fi

clean:
	rm -rf build

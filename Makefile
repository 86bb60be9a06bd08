# Front door over the CMake presets. `make test` and `make run` install what
# they need first (Debian 12, as root).
PRESETS := linux win32 win64

.PHONY: all deps build test run bench screenshot format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@for p in $(PRESETS); do \
	    cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; \
	done

test: build
	@scripts/run-tests.sh

run: deps
	@scripts/run-keyloom.sh

bench: deps
	@scripts/run-bench.sh

screenshot: deps
	@scripts/screenshot.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

# Front door over the CMake presets. `make test` and `make run` install what
# they need first (Debian 12, as root). `make fresh-check` tries both on a new
# Debian 12 root; it is not part of CI.
PRESETS := linux win32 win64

.PHONY: all deps build test run bench screenshot fresh-check format clean

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

fresh-check:
	@scripts/fresh-machine-check.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# --one-file-system: never into a folder still mounted by the fresh check.
clean:
	rm -rf --one-file-system build

# Two commands for a fresh Debian machine (see README.md).
.PHONY: test run build bench clean

BUILD ?= build

test:
	scripts/run-tests.sh

run:
	scripts/run.sh $(ARGS)

build:
	scripts/install-deps.sh
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(BUILD)

bench:
	scripts/bench.sh

clean:
	rm -rf $(BUILD)

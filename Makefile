# Set-up and everyday commands. `make run` and `make test` install whatever
# build packages are missing (Debian/Ubuntu), build, and run.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
PACKAGES := cmake g++ make qt6-base-dev

.PHONY: run test build deps clean

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start Kelmo from a desktop session."; \
		exit 1; \
	fi
	./$(BUILD_DIR)/kelmo

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) --parallel

# Installs only the packages that are not installed yet.
deps:
	@missing=""; \
	if command -v dpkg-query >/dev/null 2>&1; then \
		for p in $(PACKAGES); do \
			dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
		done; \
	else \
		for c in cmake g++ make; do command -v $$c >/dev/null 2>&1 || missing="$$missing $$c"; done; \
	fi; \
	if [ -n "$$missing" ]; then \
		if ! command -v apt-get >/dev/null 2>&1; then \
			echo "Kelmo needs these packages (or your system's equivalents):$$missing qt6-base-dev; apt-get was not found, so please install them by hand."; \
			exit 1; \
		fi; \
		if [ "$$(id -u)" -eq 0 ]; then sudo=""; \
		elif command -v sudo >/dev/null 2>&1; then sudo="sudo"; \
		else echo "Kelmo needs these packages:$$missing; run make as root or install sudo."; exit 1; fi; \
		echo "Installing:$$missing"; \
		$$sudo apt-get update && \
		DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD_DIR)

# Sourced by the package tests: `make_package GENERATOR BUILD_DIR` runs CPack on the build into
# a scratch folder ($work, removed at exit) and sets $package to the file it made.
make_package() {
  local build
  build="$(cd "$2" && pwd)"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && cpack -G "$1" --config "$build/CPackConfig.cmake" -B "$work" >/dev/null)
  package="$(ls "$work"/veldarin*."$(tr '[:upper:]' '[:lower:]' <<<"$1")")"
}

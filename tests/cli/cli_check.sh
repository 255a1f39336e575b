# Sourced by the vorn-cli test scripts: a scratch folder removed at the end,
# and check, which counts and shows a mismatch; a script ends with
# `exit $((failures > 0))`.
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

check() {  # name expected actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

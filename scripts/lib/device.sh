# Sourced by the scripts that run the window as a given printer model.
# make_device DIR MODEL: a file-backed boot-loader environment in DIR holding
# vhModel=MODEL, and DIR/bin/fw_printenv, which reads it with the real tool.
# Put DIR/bin in front of PATH to make the program see that model.
make_device() {
  local dir=$1 model=$2
  mkdir -p "$dir/bin"
  printf 'vhModel=%s\n' "$model" > "$dir/env.txt"
  mkenvimage -s 0x4000 -o "$dir/env.img" "$dir/env.txt"
  printf '%s 0x0 0x4000\n' "$dir/env.img" > "$dir/fw_env.config"
  printf '#!/bin/sh\nexec %s -c %s "$@"\n' "$(command -v fw_printenv)" "$dir/fw_env.config" \
    > "$dir/bin/fw_printenv"
  chmod +x "$dir/bin/fw_printenv"
}

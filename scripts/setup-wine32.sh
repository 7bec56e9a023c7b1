#!/bin/bash
# Sets up what runs the shipped 32-bit exes on this x86-64 machine, whose
# kernel cannot execute i386 code: Debian's own i386 Wine, unpacked (never
# installed with dpkg, no foreign architecture) into one machine-wide folder
# and run under qemu user-mode emulation, beside the native wine64 and its
# wineserver; and a ready Wine prefix whose 32-bit half is filled, for the
# tests and `make run32` to copy. Quick when everything is present.
#
#   setup-wine32.sh            set up if missing, print nothing when ready
#
# The folder is KIVRANO_I386_ROOT (default /opt/kivrano-i386). It holds:
#   usr/lib/wine/wine-qemu  starts the i386 loader under qemu (see below)
#   prefix-template/           the ready prefix
#   ready                      the libwine version it was made for
set -eu
root=${KIVRANO_I386_ROOT:-/opt/kivrano-i386}
wine_dir=$root/usr/lib/wine
log=$root/setup.log
# Bump when what is made here changes, so that old folders are made again.
layout=3

say() { echo "setup-wine32: $*" >&2; }

wine_version=$(dpkg-query -W -f '${Version}' libwine:amd64)
stamp="$wine_version layout $layout"
[ "$(cat "$root/ready" 2>/dev/null)" = "$stamp" ] && exit 0

mkdir -p "$root"
# One set-up at a time: builds of several clones may start it together.
exec 9>"$root.lock"
flock 9
[ "$(cat "$root/ready" 2>/dev/null)" = "$stamp" ] && exit 0
start=$(date +%s)
say "setting up the 32-bit Wine in $root (a few minutes, once; log: $log)"
find "$root" -mindepth 1 -maxdepth 1 ! -name apt -exec rm -rf {} +
: >"$log"

# The i386 packages at exactly the installed libwine version, fetched by apt
# with lists and cache of its own so that the system's apt sees no i386.
apt_options=(-o APT::Architectures::=amd64 -o APT::Architectures::=i386
             -o Dir::State::Lists="$root/apt/lists" -o Dir::Cache="$root/apt/cache")
mkdir -p "$root/apt/lists/partial" "$root/apt/cache/archives/partial"
if ! apt-get "${apt_options[@]}" update >>"$log" 2>&1 ||
   ! apt-get "${apt_options[@]}" install -y --download-only --no-install-recommends \
        "wine32:i386=$wine_version" "libwine:i386=$wine_version" \
        "wine32-preloader:i386=$wine_version" >>"$log" 2>&1; then
    say "downloading wine32:i386 $wine_version failed:"
    tail -5 "$log" >&2
    exit 1
fi
for deb in "$root"/apt/cache/archives/*_i386.deb; do
    dpkg-deb -x "$deb" "$root"
done
rm -f "$root"/apt/cache/archives/*.deb
[ -x "$wine_dir/wine" ] || { say "no i386 Wine loader after unpacking"; exit 1; }

# What libwine:i386's own install step does: zlib1.dll marked as a Wine
# builtin. Without it user32 does not load and syswow64 stays empty.
zlib=/usr/i686-w64-mingw32/lib/zlib1.dll
{ head -c 64 "$zlib"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zlib"; } \
    >"$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"

# The emulated ld.so reads the tree's own cache: without one FreeType is
# not found, and the prefix gets nonsense font metrics.
mkdir -p "$root/etc"
printf '/lib/i386-linux-gnu\n/usr/lib/i386-linux-gnu\n' >"$root/etc/ld.so.conf"
ldconfig -r "$root" >>"$log" 2>&1

# The 64-bit loader finds its ntdll.so relative to itself.
mkdir -p "$root/usr/lib/x86_64-linux-gnu"
ln -sfn /usr/lib/x86_64-linux-gnu/wine "$root/usr/lib/x86_64-linux-gnu/wine"

# Starting the i386 loader directly under qemu costs a minute: without
# Wine's preloader, Wine reserves its address space in some 65,000 small
# tries, and each is a slow search in qemu. The preloader reserves it in a
# few fixed mappings, and a process starts in about two seconds. So qemu
# runs the preloader, which loads the loader; WINELOADERNOEXEC tells the
# loader it is past the preloader already.
# Only under its package's own name: a kernel that can run i386 code would
# otherwise run it when Wine looks for "wine-preloader" beside the loader,
# and it would be handed the launcher below as the loader to load.
rm -f "$wine_dir/wine-preloader"
[ -x "$wine_dir/wine-preloader.static" ] || { say "no i386 Wine preloader after unpacking"; exit 1; }
# Wine starts a new process by exec'ing dirname(realpath(its own exe))
# joined with basename(argv[0]), "64" added or taken away for the other
# bitness. Under qemu its own exe is the preloader, and argv[0] is the
# loader's path as given to the preloader: so the loader is given under
# this launcher's name (a link in loader/), a 32-bit process starts the
# next one through this launcher, and a 64-bit one through wine-qemu64, a
# copy (not a link, whose real path would lead elsewhere) of the native
# loader beside it.
mkdir -p "$wine_dir/loader"
ln -sfn ../wine "$wine_dir/loader/wine-qemu"
cp /usr/lib/wine/wine64 "$wine_dir/wine-qemu64"
cat >"$wine_dir/wine-qemu" <<EOF
#!/bin/sh
WINELOADERNOEXEC=1 exec /usr/bin/qemu-i386-static -L "$root" "$wine_dir/wine-preloader.static" \\
    "$wine_dir/loader/wine-qemu" "\$@"
EOF
chmod +x "$wine_dir/wine-qemu" "$wine_dir/wine-qemu64"

# The ready prefix: 64-bit, with its 32-bit system folder filled by the
# i386 Wine. Copies of it start in seconds instead of minutes.
template=$root/prefix-template
(
    export WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDLLPATH=$root/usr/lib/i386-linux-gnu/wine
    unset DISPLAY
    "$wine_dir/wine-qemu64" wineboot -i >>"$log" 2>&1 </dev/null
    /usr/lib/wine/wineserver64 -w
)
if [ ! -e "$template/drive_c/windows/syswow64/kernel32.dll" ]; then
    say "the prefix has no 32-bit system DLLs; see $log"
    exit 1
fi
echo "$stamp" >"$root/ready"
say "ready in $(($(date +%s) - start)) s"

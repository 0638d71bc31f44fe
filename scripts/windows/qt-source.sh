#!/usr/bin/env bash
# Fetches and unpacks Debian's source package of the Qt base the Linux build
# uses, into the folder given as $1. The machine's apt setup is left alone: the
# source entries are derived from its own binary entries into a private list
# that lives only for this download.
set -euo pipefail
dest=$1
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/parts"

# deb822 files: the same entries with the source type.
for f in /etc/apt/sources.list.d/*.sources; do
  [[ -e $f ]] || continue
  sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$work/parts/$(basename "$f")"
done
# One-line files: every "deb" line again as "deb-src".
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [[ -e $f ]] || continue
  sed -nE 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$f" >>"$work/parts/derived.list"
done

apt_private=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/parts"
  -o "Dir::State::Lists=$work/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
# A third-party entry without sources must not stop the download of ours.
apt-get "${apt_private[@]}" update -qq || true

mkdir -p "$dest"
cd "$dest"
apt-get "${apt_private[@]}" source -qq "qt6-base=$version"

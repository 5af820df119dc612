#!/usr/bin/env bash
# Checks the rz.firmware Ansible collection (contrib/ansible) with Ansible's
# own tools, offline: ansible-galaxy builds it and installs what it built;
# ansible-test passes the sanity tests that run with Debian's packages
# (shebang, validate-modules, use-argspec-type-path, future-import-boilerplate,
# metaclass-boilerplate, pep8, compile, import, yamllint), in environments
# made by tools/ansible-sanity-venvs.py since pip has no index here;
# ansible-lint reports nothing on the rollout play.
#
#   tools/check-collection.sh     (needs ansible-core, ansible-lint, python3-voluptuous, pylint,
#                                  pycodestyle, yamllint)
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "FAILED: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Ansible's and ansible-test's files stay out of the home folder.
export HOME=$work/home ANSIBLE_HOME=$work/home/.ansible ANSIBLE_NOCOLOR=1
mkdir -p "$HOME"

# ansible-test runs in a folder named as the collection's place on a
# collections path.
collection=$work/source/ansible_collections/rz/firmware
mkdir -p "$(dirname "$collection")"
cp -r contrib/ansible "$collection"
rm -rf "$collection/tests/output"

ansible-galaxy collection build --output-path "$work/dist" "$collection" >/dev/null || fail "ansible-galaxy collection build"
built=$(echo "$work"/dist/rz-firmware-*.tar.gz)
[ -f "$built" ] || fail "ansible-galaxy built no collection"
# Into a folder of its own, which Ansible would not look in: it says so.
ansible-galaxy collection install --offline -p "$work/installed" "$built" >/dev/null 2>&1 \
    || fail "ansible-galaxy collection install $built"
[ -f "$work/installed/ansible_collections/rz/firmware/plugins/modules/rz_firmware.py" ] \
    || fail "the installed collection has no rz_firmware module"
echo "ok: ansible-galaxy builds $(basename "$built") and installs it"

tests=(shebang validate-modules use-argspec-type-path future-import-boilerplate metaclass-boilerplate pep8 compile
       import yamllint)
python=$(/usr/bin/python3 -c 'import sys; print("%d.%d" % sys.version_info[:2])')
(
    cd "$collection"
    /usr/bin/python3 "$OLDPWD/tools/ansible-sanity-venvs.py" "${tests[@]}" import.module >/dev/null
    ansible-test sanity --python "$python" "${tests[@]/#/--test=}" 2>&1 | grep -v -e 'Using locale' -e 'Reviewing previous' \
        || fail "ansible-test sanity"
) || exit 1
echo "ok: ansible-test sanity passes ${tests[*]}"

# Against the collection as installed, so the play's module resolves. The
# collections path names the ansible_collections folder itself: ansible-lint
# loads the module from the folder above it, which must be absolute for the
# module's import of its module_utils to resolve.
lint=$(cd "$work/installed" && ANSIBLE_COLLECTIONS_PATH="$work/installed/ansible_collections" \
    ansible-lint --offline --nocolor -p ansible_collections/rz/firmware/playbooks/rollout.yml 2>&1) \
    || fail "ansible-lint: $lint"
# Its summary aside, which says "0 failure(s), 0 warning(s)".
said=$(echo "$lint" | grep -v -e '^$' -e '^Passed with .* 0 failure(s), 0 warning(s)' || true)
[ -z "$said" ] || fail "ansible-lint has something to say: $lint"
echo "ok: ansible-lint reports nothing on the rollout play"

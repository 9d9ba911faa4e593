#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A PostgreSQL server of the project's own for the results-server tests:
# Debian's postgresql binaries run from a folder of their own, listening on
# a Unix socket in that folder only (no TCP port, no system service, nothing
# under /etc or /var/lib/postgresql touched).
#
# usage:
#   scripts/postgres.sh start DIR   start it in DIR (an empty folder the caller
#                                   made with mktemp -d and owns); prints DIR
#   scripts/postgres.sh stop DIR    end the server by its recorded process id,
#                                   remove DIR
#   scripts/postgres.sh pause DIR   end the server, keep its data
#   scripts/postgres.sh resume DIR  start it again on the same data
#   scripts/postgres.sh status DIR  exit 0 when it accepts connections
#   scripts/postgres.sh env DIR     print the variables the tests read, as
#                                   shell assignments
#
# What the tests rely on (see "env"):
#   GLI_TEST_PG_SOCKET    the socket's folder (libpq's host for a socket)
#   GLI_TEST_PG_PORT      the port named in the socket's file name
#   GLI_TEST_PG_ADMIN     a superuser, trusted on the socket
#   GLI_TEST_PG_OWNER     a role that may create databases and tables,
#                         trusted on the socket
#   GLI_TEST_PG_USER      the program's role: password (scram-sha-256) only,
#                         a member of gli_insiemi (scripts/school-server.sql
#                         grants that role insert and read)
#   GLI_TEST_PG_PASSFILE  a libpq password file with that role's password
#   GLI_TEST_PG_DATABASE  an empty database owned by the owner role
#
# Why it is built this way:
#   - initdb and the server refuse to run as root. Started by root, the
#     server runs as an unprivileged system user (postgres when it exists,
#     nobody otherwise) that owns DIR; root reaches the socket anyway, being
#     root. Started by a plain user, everything runs as that user.
#   - Only the socket folder's owner (and root) can reach the socket, so
#     the socket trusts every role but the program's, which must give its
#     password as it would on a school's server.
#   - The server gets a clean environment and a session of its own, so that
#     an interrupt of the caller's terminal does not reach it; DIR/postgres.pid
#     holds its process id while it runs.
# Exit 3 from start: PostgreSQL's server binaries are not installed.
set -Eeuo pipefail

port=5432
admin=gli_admin
owner=gli_owner
program=gli_program
database=gli_test
marker=.gli-postgres

say() { echo "postgres.sh: $*" >&2; }
die() {
  say "$*"
  exit 1
}

# The folder of initdb and pg_ctl: on PATH, or Debian's versioned folder
# (newest first), which no user's PATH names.
server_bin() {
  local found candidate
  found=$(command -v pg_ctl 2>/dev/null || true)
  # A link on PATH (/usr/local/bin/pg_ctl) stands for the folder it names,
  # which also holds psql and pg_isready.
  [[ -n $found ]] && found=$(readlink -f "$found")
  if [[ -n $found && -x $(dirname "$found")/initdb && -x $(dirname "$found")/psql ]]; then
    dirname "$found"
    return 0
  fi
  for candidate in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -t/ -k5 -rn); do
    [[ -x $candidate/initdb && -x $candidate/pg_ctl && -x $candidate/postgres && -x $candidate/psql ]] || continue
    echo "$candidate"
    return 0
  done
  return 1
}

# Runs a command as the server's user with a clean environment.
as_server() {
  local command=(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 LC_ALL=C.UTF-8 "$@")
  if [[ -n $server_user ]]; then
    runuser -u "$server_user" -- "${command[@]}"
  else
    "${command[@]}"
  fi
}

pick_server_user() {
  server_user=""
  if [[ $(id -u) -eq 0 ]]; then
    if getent passwd postgres >/dev/null; then server_user=postgres; else server_user=nobody; fi
  fi
}

use_dir() {
  [[ -n ${1:-} && -d $1 && ! -L $1 ]] || die "no such folder: ${1:-}"
  dir=$(cd "$1" && pwd)
  pick_server_user
  bin=$(server_bin) || {
    say "PostgreSQL's server binaries (initdb, pg_ctl) are not installed"
    exit 3
  }
}

check_dir() {
  [[ -f $dir/$marker ]] || die "$dir is not a server folder of this script"
}

psql_admin() {
  "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port" -U "$admin" "$@"
}

answers() {
  "$bin/pg_isready" -q -h "$dir" -p "$port" -U "$admin" -d postgres
}

running_pid() {
  local pid
  pid=$(cat "$dir/postgres.pid" 2>/dev/null) || return 1
  [[ $pid =~ ^[0-9]+$ && -e /proc/$pid ]] || return 1
  grep -q '^State:[[:space:]]*Z' /proc/"$pid"/status 2>/dev/null && return 1
  echo "$pid"
}

run_server() {
  # pg_ctl waits until the server accepts connections (or fails); setsid
  # keeps the caller's terminal signals away from it.
  as_server setsid "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses= -c unix_socket_directories=$dir -p $port" start >/dev/null \
    || return 1
  head -n1 "$dir/data/postmaster.pid" >"$dir/postgres.pid"
}

end_server() {
  local pid
  pid=$(running_pid) || return 0
  as_server "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 60 stop >/dev/null 2>&1 || true
  for _ in $(seq 200); do
    [[ -e /proc/$pid ]] || break
    sleep 0.05
  done
  kill -9 "$pid" 2>/dev/null || true
  rm -f "$dir/postgres.pid"
}

start() {
  use_dir "$1"
  [[ -O $dir && -z $(ls -A "$dir") ]] || die "start needs an empty folder of the caller's: $dir"
  touch "$dir/$marker"
  # A start that fails leaves nothing running.
  trap 'end_server' EXIT
  if [[ -n $server_user ]]; then
    chown "$server_user:" "$dir"
    chmod 0700 "$dir"
  fi
  local password
  password=$(head -c 18 /dev/urandom | base64 | tr '+/' '-_')
  as_server "$bin/initdb" -D "$dir/data" -U "$admin" -A trust -E UTF8 --locale=C \
    --no-sync --no-instructions >"$dir/initdb.log" 2>&1 \
    || die "initdb failed (see $dir/initdb.log)"
  cat >"$dir/data/pg_hba.conf" <<EOF
# The program's role gives its password; the folder's owner is trusted.
local all $program scram-sha-256
local all all trust
EOF
  {
    echo "fsync = off"
    echo "synchronous_commit = off"
    echo "full_page_writes = off"
    echo "password_encryption = scram-sha-256"
    echo "log_min_messages = warning"
  } >>"$dir/data/postgresql.conf"
  run_server || die "the server did not start (see $dir/server.log)"
  answers || die "the server does not answer on $dir (see $dir/server.log)"
  psql_admin -d postgres <<EOF >/dev/null
CREATE ROLE $owner LOGIN CREATEDB;
CREATE ROLE $program LOGIN PASSWORD '$password';
-- The group role of scripts/school-server.sql, made here once so that tests
-- running that script at the same time do not race to make it.
CREATE ROLE gli_insiemi NOLOGIN;
GRANT gli_insiemi TO $program;
CREATE DATABASE $database OWNER $owner;
EOF
  # libpq reads a password file only when nobody else may read it.
  (umask 077 && echo "*:*:*:$program:$password" >"$dir/pgpass")
  trap - EXIT
  echo "$dir"
}

stop() {
  [[ -n ${1:-} && -d $1 ]] || return 0
  # A folder whose start never began (no server binaries) is only removed.
  if [[ ! -f $1/$marker ]]; then
    rmdir "$1" 2>/dev/null || die "$1 is not a server folder of this script"
    return 0
  fi
  use_dir "$1"
  end_server
  rm -rf "$dir"
}

case "${1:-}" in
  start) start "${2:-}" ;;
  stop) stop "${2:-}" ;;
  pause)
    use_dir "${2:-}"
    check_dir
    end_server
    ;;
  resume)
    use_dir "${2:-}"
    check_dir
    running_pid >/dev/null || run_server || die "the server did not start (see $dir/server.log)"
    ;;
  status)
    use_dir "${2:-}"
    check_dir
    running_pid >/dev/null && answers
    ;;
  env)
    use_dir "${2:-}"
    check_dir
    echo "GLI_TEST_PG_SOCKET=$dir"
    echo "GLI_TEST_PG_PORT=$port"
    echo "GLI_TEST_PG_ADMIN=$admin"
    echo "GLI_TEST_PG_OWNER=$owner"
    echo "GLI_TEST_PG_USER=$program"
    echo "GLI_TEST_PG_PASSFILE=$dir/pgpass"
    echo "GLI_TEST_PG_DATABASE=$database"
    ;;
  *) die "usage: $0 start|stop|pause|resume|status|env DIR" ;;
esac

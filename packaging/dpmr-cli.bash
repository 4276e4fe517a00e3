# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for dpmr-cli: verbs, each verb's options and their values
# (files, folders, ports, baud rates, template names), pages, sections and
# the field keys of get and set.

_dpmr_cli_words() {
  # The words the program itself names, so that this file never drifts from it.
  local cli=$1 what=$2
  case $what in
    verbs) "$cli" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' ;;
    # "OPTION PLACEHOLDER" per name of each option in the Options part of
    # the verb's help ("-" for a flag): "-o FILE", "--output FILE", "--yes -"
    options) "$cli" "$3" --help 2>/dev/null | awk '
      /^Options:$/ { on = 1; next }
      on && /^$/ { on = 0 }
      on && /^  -/ {
        head = substr($0, 3); sub(/  .*/, "", head); gsub(/,/, "", head)
        n = split(head, w, " "); value = (w[n] ~ /^[A-Z]/) ? w[n] : "-"
        for (i = 1; i <= n; i++) if (w[i] ~ /^-/) print w[i], value
      }' ;;
    keys) "$cli" keys 2>/dev/null | cut -f1 ;;
    pages) "$cli" keys 2>/dev/null | cut -f1 | cut -d. -f1 | sort -u ;;
    sections) "$cli" show 2>&1 | sed -n 's/.*(WHAT: \(.*\)).*/\1/p' | tr -d ',' ;;
    templates) "$cli" templates 2>/dev/null | cut -f1 ;;
  esac
}

_dpmr_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local cli=${COMP_WORDS[0]}
  COMPREPLY=()

  if [[ $COMP_CWORD -eq 1 ]]; then
    COMPREPLY=($(compgen -W "$(_dpmr_cli_words "$cli" verbs) --help --version" -- "$cur"))
    return
  fi
  local verb=${COMP_WORDS[1]}
  local options
  options=$(_dpmr_cli_words "$cli" options "$verb")

  # The value of an option, by the placeholder its help gives it.
  local value
  value=$(awk -v o="$prev" '$1 == o { print $2 }' <<<"$options")
  case $value in
    FILE)
      compopt -o filenames
      COMPREPLY=($(compgen -f -- "$cur"))
      return ;;
    DIR)
      compopt -o filenames
      COMPREPLY=($(compgen -d -- "$cur"))
      return ;;
    PORT)
      COMPREPLY=($(compgen -W "$(ls /dev/serial/by-id/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS* /dev/pts/[0-9]* 2>/dev/null)" -- "$cur"))
      return ;;
    BAUD)
      COMPREPLY=($(compgen -W "9600 19200 38400 57600 115200" -- "$cur"))
      return ;;
    NAME)
      # the names `dpmr-cli templates` lists, which may hold spaces
      local IFS=$'\n'
      COMPREPLY=($(compgen -W "$(_dpmr_cli_words "$cli" templates)" -- "$cur"))
      COMPREPLY=("${COMPREPLY[@]// /\\ }")
      return ;;
    -|'') ;;  # a flag, or no option: a word of the verb's own
    *) return ;;  # a number or other free text
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$(cut -d' ' -f1 <<<"$options")" -- "$cur"))
    return
  fi

  # Position among the verb's words that are not options or their values.
  local i n=0 word
  for ((i = 2; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    case $word in
      -*=*|=) ;;
      -*) [[ -n $(awk -v o="$word" '$1 == o && $2 != "-"' <<<"$options") ]] && ((i++)) ;;
      *) [[ ${COMP_WORDS[i-1]} != = ]] && ((n++)) ;;
    esac
  done

  case $verb in
    keys)
      [[ $n -eq 0 ]] && COMPREPLY=($(compgen -W "$(_dpmr_cli_words "$cli" pages)" -- "$cur"))
      return ;;
    show)
      if [[ $n -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$(_dpmr_cli_words "$cli" sections)" -- "$cur"))
        return
      fi ;;
    get)
      if [[ $n -ge 1 ]]; then
        COMPREPLY=($(compgen -W "$(_dpmr_cli_words "$cli" keys)" -- "$cur"))
        return
      fi ;;
    set)
      # Words break at '=': past it comes a value, which is free text.
      [[ $cur == = || $prev == = ]] && return
      if [[ $n -ge 1 ]]; then
        compopt -o nospace
        COMPREPLY=($(compgen -S = -W "$(_dpmr_cli_words "$cli" keys)" -- "$cur"))
        return
      fi ;;
  esac
  compopt -o filenames
  COMPREPLY=($(compgen -f -- "$cur"))
}

complete -F _dpmr_cli dpmr-cli

# bash completion for kestrova
#
# The commands, each command's options and the names --set takes all come from the kestrova
# being completed (--list-commands, COMMAND --help, --list-settings COMMAND), so a new
# command or setting needs no change here.

_kestrova_option_ranges() {
    # "--model <N>   Camera model 1..7." gives 1 to 7; short ranges only.
    local help=$1 option=$2 range
    range=$(sed -n "s/^  \(-., \)\{0,1\}$option <[^>]*> .*[^0-9]\([0-9]\{1,\}\.\.[0-9]\{1,\}\).*/\2/p" <<<"$help")
    [[ $range ]] || return
    local first=${range%..*} last=${range#*..}
    ((last - first < 32)) && seq "$first" "$last"
}

_kestrova() {
    local cur prev words cword split
    _init_completion -s || return

    local kestrova=${words[0]/#\~/$HOME}
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$("$kestrova" --list-commands 2>/dev/null) --help --version" -- "$cur"))
        return
    fi

    # The command is always the first argument.
    local command=${words[1]} help
    help=$("$kestrova" "$command" --help 2>/dev/null) || return

    # An option that takes a value: its help line shows "--option <VALUE>".
    if [[ $prev == --* ]] && grep -q "^  \(-., \)\{0,1\}$prev <" <<<"$help"; then
        case $prev in
        --out) if [[ $command == kit ]]; then _filedir json; else _filedir -d; fi ;;
        --card) _filedir -d ;;
        --profile) _filedir json ;;
        --pdf) _filedir pdf ;;
        --camtrap-dp) _filedir -d ;;
        --cameras | --log) _filedir csv ;;
        --clock-photo) _filedir ;;
        --time | --retrieved) COMPREPLY=($(compgen -W "$(date +%Y-%m-%dT%H:%M:%S)" -- "$cur")) ;;
        --tz) COMPREPLY=($(compgen -W "UTC $(timedatectl list-timezones 2>/dev/null)" -- "$cur")) ;;
        --deployment-start) COMPREPLY=($(compgen -W "$(date +%Y-%m-%dT%H:%M:%S%:z)" -- "$cur")) ;;
        --set)
            if [[ $cur != *=* ]]; then
                COMPREPLY=($(compgen -S = -W "$("$kestrova" --list-settings "$command" 2>/dev/null)" -- "$cur"))
                compopt -o nospace
            fi
            ;;
        *) COMPREPLY=($(compgen -W "$(_kestrova_option_ranges "$help" "$prev")" -- "$cur")) ;;
        esac
        return
    fi
    $split && return

    if [[ $cur == -* ]]; then
        local options
        options=$(sed -n 's/^  \(-., \)\{0,1\}\(--[a-z][a-z-]*\).*/\2/p' <<<"$help")
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # A command that takes a file, as its help's "Arguments:" says.
    grep -q '^Arguments:' <<<"$help" && _filedir
} &&
    complete -F _kestrova kestrova

# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion of zeru-cli: its commands, each command's options, the fault
# kinds of the simulator, and file names where a file is wanted. Commands and
# options are read from the tool's own usage text, so the completion always
# knows what the installed tool knows.

_zeru_cli_help() {
    "$@" --help 2>/dev/null
}

_zeru_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local tool=${COMP_WORDS[0]} option="" command="" word i
    COMPREPLY=()

    # bash splits "--simulate=STATE.bin" into "--simulate", "=" and "STATE.bin".
    if [[ $cur == "=" ]]; then
        option=$prev
        cur=""
    elif [[ $prev == "=" && $COMP_CWORD -ge 2 ]]; then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    case $option in
        --simulate)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --sim-fault)
            local kinds
            kinds=$(_zeru_cli_help "$tool" | tr -s '\n ' '  ' |
                sed -n 's/.*KIND is \([a-z, -]*\) or \([a-z-]*\).*/\1 \2/p' | tr -d ,)
            COMPREPLY=($(compgen -S : -W "$kinds" -- "$cur"))
            compopt -o nospace 2>/dev/null
            return ;;
        ?*) return ;;
    esac
    case $prev in
        -o)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --device)
            # The paths and serial numbers of the connected devices.
            COMPREPLY=($(compgen -W "$("$tool" list 2>/dev/null | tr '\t' ' ')" -- "$cur"))
            return ;;
        --set | --backup-dir)
            [[ $prev == --backup-dir ]] && COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
    esac

    local commands
    commands=$(_zeru_cli_help "$tool" | sed -n 's/^  zeru-cli \([a-z][a-z-]*\).*/\1/p' | tr '\n' ' ')
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ " $commands " == *" $word "* ]]; then
            command=$word
            break
        fi
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            local options
            options=$(_zeru_cli_help "$tool" | sed -n '/^Options:/,$p' |
                sed -n 's/^  \(--[a-z-]*=\{0,1\}\).*/\1/p')
            COMPREPLY=($(compgen -W "$options" -- "$cur"))
            [[ ${COMPREPLY[*]} == *= ]] && compopt -o nospace 2>/dev/null
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        local options
        options=$(_zeru_cli_help "$tool" "$command" | head -n 1 | grep -o -- '[ []--\{0,1\}[a-z][a-z-]*' | tr -d ' [')
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _zeru_cli zeru-cli

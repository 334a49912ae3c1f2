# Bash completion for razzlewick and razzlewick-data: options, the style names of the data
# the program itself would load, the data tool's commands and the files each one reads.

# Offers the words of $1 (one a line) that begin with $2 in any case, as the programs take
# style names, quoted for the command line. The lines are read as they are, never split at
# blanks or expanded as patterns: a style may be named "/*/*/*/*".
_razzlewick_offer()
{
    local word
    local -a words
    COMPREPLY=()
    mapfile -t words <<<"$1"
    for word in "${words[@]}"; do
        [[ -n $word && ${word,,} == "${2,,}"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
    done
}

# Offers files whose names end in one of the given suffixes (any case), and folders.
_razzlewick_files()
{
    local cur=$1 file suffix
    shift
    COMPREPLY=()
    compopt -o filenames 2>/dev/null
    local -a files
    mapfile -t files < <(compgen -f -- "$cur")
    for file in "${files[@]}"; do
        if [[ -d $file ]]; then
            COMPREPLY+=("$file")
            continue
        fi
        for suffix in "$@"; do
            [[ ${file,,} == *"$suffix" ]] && COMPREPLY+=("$file") && break
        done
    done
}

# The word being completed and the one before it, with "--style=Sha" read as "--style Sha".
_razzlewick_words()
{
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
}

_razzlewick()
{
    local cur prev
    _razzlewick_words
    case $prev in
        -s | --style)
            _razzlewick_offer "$("${COMP_WORDS[0]}" --list-styles 2>/dev/null)"$'\n'random "$cur"
            return
            ;;
        -l | --level)
            _razzlewick_offer $'0\n1' "$cur"
            return
            ;;
        -platform)
            _razzlewick_offer $'xcb\nwayland\noffscreen' "$cur"
            return
            ;;
        -stylesheet)
            _razzlewick_files "$cur" .qss
            return
            ;;
        --keep)
            COMPREPLY=()
            return
            ;;
        -n | --count | -S | --seed | -display | -style | -geometry | -qwindowgeometry | \
            -qwindowtitle | -qwindowicon | -platformtheme | -name | -session | \
            --max-length | --width)
            COMPREPLY=()
            return
            ;;
    esac
    local options=$'--print\n--style\n--count\n--seed\n--level\n--no-caps\n--list-styles\n--verbose\n--version\n--help'
    # Insults that fit the terminal.
    options+=$'\n--short\n--max-length\n--width\n--no-wrap'
    # Favourites.
    options+=$'\n--favourite\n--favourites\n--keep'
    _razzlewick_offer "$options" "$cur"
} && complete -F _razzlewick razzlewick

# The file name a word of the command line stands for, its quoting taken off as the shell
# would take it ('...', "...", backslashes), without expanding anything but a leading "~/".
_razzlewick_unquote()
{
    local word=$1 name= quote= c i
    [[ $word == "~/"* ]] && name=$HOME/ && word=${word:2}
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            [[ $c == "'" ]] && quote= || name+=$c
        elif [[ $c == '\' && $quote != '"' ]]; then
            i=$((i + 1))
            name+=${word:i:1}
        elif [[ $c == '\' ]]; then
            # Within "...", a backslash quotes only these.
            i=$((i + 1))
            c=${word:i:1}
            case $c in '"' | '$' | '`' | '\') ;; *) name+='\' ;; esac
            name+=$c
        elif [[ $c == '"' ]]; then
            [[ $quote == '"' ]] && quote= || quote='"'
        elif [[ $c == "'" && -z $quote ]]; then
            quote="'"
        else
            name+=$c
        fi
    done
    printf '%s' "$name"
}

_razzlewick_data()
{
    local cur prev command options operands=0 first i
    _razzlewick_words
    if ((COMP_CWORD == 1)); then
        _razzlewick_offer $'pack\ndump\ncheck\nstyles\ngenerate\ntry\ninstall\nuninstall\n--help\n--version' "$cur"
        return
    fi
    command=${COMP_WORDS[1]}
    case $command in
        pack) options=$'-o\n--output\n--force\n--strict' ;;
        check) options=--strict ;;
        generate) options=$'--seed\n--count\n--caps\n--batches\n--no-repeats\n--raw' ;;
        try) options=$'--seed\n--count\n--strict' ;;
        install) options=$'--force\n--strict' ;;
    esac
    case $prev in
        -o | --output)
            _razzlewick_files "$cur" .dat
            return
            ;;
        --caps)
            _razzlewick_offer $'0\n1' "$cur"
            return
            ;;
        --seed | --count | --batches | -S | -n)
            COMPREPLY=()
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        _razzlewick_offer "$options"$'\n--help' "$cur"
        return
    fi
    # Operands before this one, not counting options and their values.
    for ((i = 2; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --seed | --count | --caps | --batches | -o | --output | -S | -n) ((i++)) ;;
            -*) ;;
            *) ((operands++ == 0)) && first=${COMP_WORDS[i]} ;;
        esac
    done
    case $command in
        pack) _razzlewick_files "$cur" .json ;;
        install) _razzlewick_files "$cur" .json .dat ;;
        check | styles | dump) _razzlewick_files "$cur" .dat ;;
        generate)
            if ((operands == 0)); then
                _razzlewick_offer "$("${COMP_WORDS[0]}" styles 2>/dev/null | cut -f1)" "$cur"
            else
                _razzlewick_files "$cur" .dat
            fi
            ;;
        try)
            if ((operands == 0)); then
                _razzlewick_files "$cur" .json
            elif ((operands == 1)); then
                # The source's own styles: the one being tried is what STYLE picks from.
                first=$(_razzlewick_unquote "$first")
                _razzlewick_offer "$("${COMP_WORDS[0]}" styles -- "$first" 2>/dev/null | cut -f1)" "$cur"
            else
                COMPREPLY=()
            fi
            ;;
        uninstall)
            local folder=${XDG_DATA_HOME:-$HOME/.local/share}/razzlewick file names=
            for file in "$folder"/*.[dD][aA][tT]; do
                [[ -f $file ]] && file=${file##*/} && names+=${file%.*}$'\n'
            done
            _razzlewick_offer "$names" "$cur"
            ;;
    esac
} && complete -F _razzlewick_data razzlewick-data

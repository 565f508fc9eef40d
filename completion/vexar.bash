# bash completion for vexar: the command words (the tool's own options before them), the
# command word after help and man, the flags of the command that may still be given, in
# their full spelling, and the words a flag's value may be. The candidates come from the
# tool itself (vexar --complete), so they follow the commands of the library it runs
# with. Where it answers with nothing but success, a file name stands there: bash
# completes it, after the "@" of an argument file too; where it fails, nothing may.

# A word as bash means it, in REPLY: its quotes and backslashes taken away, nothing
# expanded (the tool reads "lspacket" as lspacket).
_vexar_dequote() {
    local word=$1 quote= c i
    REPLY=
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=; else REPLY+=$c; fi
        elif [[ $c == '\' && (-z $quote || ${word:i+1:1} == [\\\"\$\`]) ]]; then
            REPLY+=${word:i+1:1}
            ((i++))
        elif [[ $c == '"' ]]; then
            if [[ $quote ]]; then quote=; else quote='"'; fi
        elif [[ $c == "'" && -z $quote ]]; then
            quote="'"
        else
            REPLY+=$c
        fi
    done
}

# The words after the tool's name up to the one under the cursor, in WORDS, as the line's
# blanks split them: bash splits at the characters of COMP_WORDBREAKS too ("@" of an
# argument file, "=", ":"), which the tool does not. PREFIX is what of the word under the
# cursor stands before the text readline replaces, which keeps an "@" or "$" before it.
_vexar_words() {
    local rest=${COMP_LINE:0:COMP_POINT} word blanks i
    WORDS=()
    for ((i = 0; i <= COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        blanks=${rest%%[![:space:]]*}
        rest=${rest#"$blanks"}
        if ((i == 0)); then
            :
        elif [[ -n $blanks || ${#WORDS[@]} == 0 ]]; then
            WORDS+=("$word")
        else
            WORDS[-1]+=$word
        fi
        rest=${rest:${#word}}
    done
    PREFIX=${WORDS[-1]%"${COMP_WORDS[COMP_CWORD]}"}
    [[ $PREFIX == *[@\$] ]] && PREFIX=${PREFIX%?}
}

_vexar() {
    local answer status i PREFIX
    local -a WORDS words=() names=()
    _vexar_words
    for i in "${WORDS[@]}"; do
        _vexar_dequote "$i"
        words+=("$REPLY")
    done
    answer=$("${COMP_WORDS[0]}" --complete "${words[@]}" 2>/dev/null)
    status=$?
    COMPREPLY=()
    if [[ -n $answer ]]; then
        mapfile -t COMPREPLY <<<"$answer"
    elif ((status != 0)); then
        compopt +o default 2>/dev/null # not even a file name
    elif [[ ${words[-1]} == @* ]]; then
        mapfile -t names < <(compgen -f -- "${words[-1]#@}")
        for i in "${names[@]}"; do
            [[ -d $i ]] && i+=/
            COMPREPLY+=("@$i")
        done
        [[ ${#COMPREPLY[@]} == 1 && ${COMPREPLY[0]} == */ ]] && compopt -o nospace 2>/dev/null
    fi
    # As bash completes them: what stands before its part of the word left out.
    COMPREPLY=("${COMPREPLY[@]#"$PREFIX"}")
    return 0
}

complete -o default -F _vexar vexar

# Fish completion for razzlewick: options and the style names of the data it would load.
complete -c razzlewick -f
# The styles of the program being completed, which may not be the one on PATH.
function __razzlewick_styles
    set -l program (commandline -opc)[1]
    $program --list-styles 2>/dev/null
    echo random
end
complete -c razzlewick -l print -d 'Print one batch of insults'
complete -c razzlewick -s s -l style -x -a '(__razzlewick_styles)' -d 'The style to print'
complete -c razzlewick -s n -l count -x -d 'Insults in the batch, 1 to 500'
complete -c razzlewick -s S -l seed -x -d 'Start the random source at this number'
complete -c razzlewick -s l -l level -x -a '0 1' -d 'Offensiveness level for this run'
complete -c razzlewick -l no-caps -d 'Leave the first letter as the style writes it'
complete -c razzlewick -l short -d 'Only insults of at most 80 characters'
complete -c razzlewick -l max-length -x -d 'Only insults of at most this many characters'
complete -c razzlewick -l width -x -d 'Break lines at spaces to fit this many columns'
complete -c razzlewick -l no-wrap -d 'Never break lines'
complete -c razzlewick -l list-styles -d 'Print the key of every style'
complete -c razzlewick -l verbose -d 'Say which style was chosen; with --list-styles or --favourites, more columns'
complete -c razzlewick -l favourite -d 'With --print, print one of your favourites'
complete -c razzlewick -l favourites -d 'List your favourites, newest first'
complete -c razzlewick -l keep -x -d 'Keep this insult as a favourite'
complete -c razzlewick -l version -d 'Print the version'
complete -c razzlewick -s h -l help -d 'Show the help'

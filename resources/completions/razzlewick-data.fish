# Fish completion for razzlewick-data: its commands, their options and the files they read.
set -l commands pack dump check styles generate try install uninstall
complete -c razzlewick-data -f
# The styles of the data tool being completed, which may not be the one on PATH; of the JSON
# sources given, when there are any.
function __razzlewick_data_styles
    set -l program (commandline -opc)[1]
    $program styles -- $argv 2>/dev/null | string split -f1 \t
end
# The operands typed after the command, without options and their values.
function __razzlewick_data_operands
    set -l skip 0
    for word in (commandline -opc)[3..-1]
        if test $skip = 1
            set skip 0
            continue
        end
        switch $word
            case --seed --count --caps --batches -o --output -S -n
                set skip 1
            case '-*'
            case '*'
                printf '%s\n' $word
        end
    end
end
function __razzlewick_data_operand_count -a count
    test (count (__razzlewick_data_operands)) -eq $count
end
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a pack -d 'Pack JSON sources into a data file'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a dump -d 'Print data files as JSON sources'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a check -d 'Print the load report of data files'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a styles -d 'List the styles and their combination counts'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a generate -d 'Compose insults with a given seed'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a try -d 'Compose insults straight from a JSON source'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a install -d 'Put data files of your own where Razzlewick finds them'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a uninstall -d 'Remove a data file from your own folder'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the version'
complete -c razzlewick-data -s h -l help -d 'Show the help'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack" -s o -l output -r -d 'Data file to write'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack install" -l force -d 'Replace an existing file'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack check try install" -l strict -d 'Treat warnings as errors'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack install check styles dump" -F
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate; and not __razzlewick_data_operand_count 0" -F
complete -c razzlewick-data -n "__fish_seen_subcommand_from try; and __razzlewick_data_operand_count 0" -F
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l seed -x -d 'Seed of the random source'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l count -x -d 'Insults per batch'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l caps -x -a '0 1' -d 'Capitalise the first letter'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l batches -x -d 'Number of batches'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l no-repeats -d 'No word back soon, as the window'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l raw -d 'Write the Windows-1252 bytes'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate; and __razzlewick_data_operand_count 0" -a '(__razzlewick_data_styles)' -d 'Style'
complete -c razzlewick-data -n "__fish_seen_subcommand_from try" -s S -l seed -x -d 'Seed of the random source'
complete -c razzlewick-data -n "__fish_seen_subcommand_from try" -s n -l count -x -d 'Insults per style'
complete -c razzlewick-data -n "__fish_seen_subcommand_from try; and __razzlewick_data_operand_count 1" -a '(__razzlewick_data_styles (__razzlewick_data_operands)[1])' -d 'Style'
complete -c razzlewick-data -n "__fish_seen_subcommand_from uninstall" -a '(path basename -E (set -q XDG_DATA_HOME; and echo $XDG_DATA_HOME; or echo ~/.local/share)/razzlewick/*.dat 2>/dev/null)' -d 'Installed data file'

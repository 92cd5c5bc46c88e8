# tarvello_source_date_epoch(VAR SOURCE_DIR GIT): the time the packed files carry and the stripped
# program is stamped with, so that two packs of one tree are the same bytes: SOURCE_DATE_EPOCH
# when it is set, else the time of the source tree's last commit, else 0 (outside a checkout).
function(tarvello_source_date_epoch var source_dir git)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch $ENV{SOURCE_DATE_EPOCH})
  elseif(git)
    execute_process(COMMAND ${git} -C ${source_dir} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    set(epoch 0)
  endif()
  set(${var} ${epoch} PARENT_SCOPE)
endfunction()

# The game's layers, lowest first. Each rung is one static library built from
# the folders it names; a rung may include and call its own folders and every
# rung below it, never one above. The build, the include check and
# docs/ARCHITECTURE.md all follow this one list.
#
#   "library|folder,folder" with folders under src/
set(RX_LAYERS
  "platform|platform"
  "state|state"
  "input_audio|input,audio"
  "rules|world,squad,creatures"
  "render_frontend|render,frontend"
  "app|app"
  "harness|app/harness,main.cpp")

# RX_LAYER_<n>_NAME and RX_LAYER_<n>_FOLDERS for n = 0 .. RX_LAYER_COUNT-1.
set(RX_LAYER_COUNT 0)
foreach(entry IN LISTS RX_LAYERS)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 folders)
  string(REPLACE "," ";" folders "${folders}")
  set(RX_LAYER_${RX_LAYER_COUNT}_NAME ${name})
  set(RX_LAYER_${RX_LAYER_COUNT}_FOLDERS ${folders})
  math(EXPR RX_LAYER_COUNT "${RX_LAYER_COUNT} + 1")
endforeach()

# The rung of a path under src/ ("world/doors.h"), -1 when it lies in none.
# Longer folder names win, so app/harness/ is not taken for app/.
function(rx_rung_of path out)
  set(best -1)
  set(bestlen 0)
  math(EXPR last "${RX_LAYER_COUNT} - 1")
  foreach(n RANGE ${last})
    foreach(folder IN LISTS RX_LAYER_${n}_FOLDERS)
      string(LENGTH "${folder}" len)
      if(path STREQUAL folder OR path MATCHES "^${folder}/")
        if(len GREATER bestlen)
          set(best ${n})
          set(bestlen ${len})
        endif()
      endif()
    endforeach()
  endforeach()
  set(${out} ${best} PARENT_SCOPE)
endfunction()

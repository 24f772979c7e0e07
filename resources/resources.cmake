# Written by tools/gen-resource-list.py; do not edit by hand.
set(HRL_RESOURCE_FILES
    com/quillmark/hrl/lang/Lang.properties
    com/quillmark/utils/lang/Lang.properties
)

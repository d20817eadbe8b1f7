# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build; any report is fatal.
# float-cast-overflow is not part of "undefined" in g++: a double too large for an int is
# what far-away geometry turns into on its way to window pixels.
if(ORVANTA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow
                      -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
endif()

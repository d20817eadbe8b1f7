# Links with lld where the compiler can use it: the sanitized test programs are large, and the
# default linker spends most of a rebuild on them.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld ORVANTA_HAVE_LLD)
if(ORVANTA_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()

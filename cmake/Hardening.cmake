# SPDX-License-Identifier: GPL-3.0-or-later
# The programs are built hardened, as a distribution builds its packages:
# checked string and memory functions, a stack protector, read-only
# relocations bound at start. The instrumented configurations (sanitize,
# tsan, fuzz) bring their own checks and go without.
option(DPMR_HARDEN "Build with fortified functions, stack protector and full RELRO" ON)
if(DPMR_HARDEN AND NOT DPMR_SANITIZE_FLAGS)
  # the fortified functions need the optimiser
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2> -fstack-protector-strong)
  add_link_options(-Wl,-z,relro,-z,now)
endif()

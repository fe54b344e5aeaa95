# -DQB_SANITIZE=address,undefined builds every target (host, plug-in, tests,
# tools) with the given sanitizers. Undefined behaviour stops the process, so
# that ctest reports it as a failure instead of a line in a log.
if(QB_SANITIZE)
    set(_qb_san_flags -fsanitize=${QB_SANITIZE} -fno-omit-frame-pointer)
    if(QB_SANITIZE MATCHES "undefined")
        list(APPEND _qb_san_flags -fno-sanitize-recover=undefined)
    endif()
    add_compile_options(${_qb_san_flags})
    add_link_options(${_qb_san_flags})
    message(STATUS "Sanitizers: ${QB_SANITIZE}")
endif()

/* The module's resource pack, embedded at build time; resource_directory.cpp exports it. */
    .section .rodata.qtp_resource_pack, "a"
    .balign 16
    .globl qtp_resource_pack_begin
    .hidden qtp_resource_pack_begin
    .globl qtp_resource_pack_end
    .hidden qtp_resource_pack_end
qtp_resource_pack_begin:
    .incbin QTP_RESOURCE_PACK
qtp_resource_pack_end:
    .section .note.GNU-stack, "", @progbits

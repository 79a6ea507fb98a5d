#!/usr/bin/python3
"""A virtual pointer for a wlroots compositor, spoken on the Wayland wire.

Usage: wl_pointer.py WIDTH HEIGHT ACTION...
where WIDTH x HEIGHT is the output's size and each ACTION is one of
  move X Y    put the pointer at (X, Y) of the output
  press       press the left button
  release     release it
  click       press and release it
  wait MS     let MS milliseconds pass

A headless compositor has no pointer of its own; this one exists while the
script runs (zwlr_virtual_pointer_manager_v1), so the seat has a pointer and
the program under test receives real pointer events.
"""
import os
import socket
import struct
import sys
import time

BTN_LEFT = 0x110


class Wire:
    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2
        self.buffer = b""

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b""):
        header = struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode)
        self.sock.sendall(header + payload)

    def events(self):
        """Reads what has arrived, waiting for at least one event."""
        self.buffer += self.sock.recv(65536)
        while len(self.buffer) >= 8:
            obj, word = struct.unpack_from("<II", self.buffer)
            size, opcode = word >> 16, word & 0xFFFF
            if len(self.buffer) < size:
                break
            body, self.buffer = self.buffer[8:size], self.buffer[size:]
            yield obj, opcode, body


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def read_string(body, offset):
    (length,) = struct.unpack_from("<I", body, offset)
    text = body[offset + 4:offset + 4 + length - 1].decode()
    return text, offset + 4 + length + (-length % 4)


def roundtrip(wire, on_event=None):
    callback = wire.new_id()
    wire.send(1, 0, struct.pack("<I", callback))  # wl_display.sync
    while True:
        for obj, opcode, body in wire.events():
            if obj == callback:
                return
            if obj == 1 and opcode == 0:  # wl_display.error
                _, code = struct.unpack_from("<II", body)
                sys.exit("wayland error %d: %s" % (code, read_string(body, 8)[0]))
            if on_event:
                on_event(obj, opcode, body)


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    actions = sys.argv[3:]
    wire = Wire()
    registry = wire.new_id()
    wire.send(1, 1, struct.pack("<I", registry))  # wl_display.get_registry
    found = {}

    def on_global(obj, opcode, body):
        if obj == registry and opcode == 0:
            (name,) = struct.unpack_from("<I", body)
            interface, offset = read_string(body, 4)
            (version,) = struct.unpack_from("<I", body, offset)
            found[interface] = (name, version)

    roundtrip(wire, on_global)
    interface = "zwlr_virtual_pointer_manager_v1"
    if interface not in found:
        sys.exit("the compositor offers no " + interface)
    manager = wire.new_id()
    name, _ = found[interface]
    wire.send(registry, 0, struct.pack("<I", name) + string(interface) + struct.pack("<II", 1, manager))
    pointer = wire.new_id()
    wire.send(manager, 0, struct.pack("<II", 0, pointer))  # create_virtual_pointer(no seat)
    roundtrip(wire)
    # Clients learn of the new pointer and bind it before the first motion.
    time.sleep(1.0)

    start = time.monotonic()

    def stamp():
        return int((time.monotonic() - start) * 1000) & 0xFFFFFFFF

    def button(state):
        wire.send(pointer, 2, struct.pack("<III", stamp(), BTN_LEFT, state))
        wire.send(pointer, 4)  # frame

    i = 0
    while i < len(actions):
        action = actions[i]
        if action == "move":
            x, y = int(actions[i + 1]), int(actions[i + 2])
            wire.send(pointer, 1, struct.pack("<IIIII", stamp(), x, y, width, height))
            wire.send(pointer, 4)
            i += 3
        elif action == "wait":
            time.sleep(int(actions[i + 1]) / 1000)
            i += 2
            continue
        elif action in ("press", "release", "click"):
            if action != "release":
                button(1)
            if action == "click":
                roundtrip(wire)
                time.sleep(0.05)
            if action != "press":
                button(0)
            i += 1
        else:
            sys.exit("unknown action " + action)
        roundtrip(wire)
        time.sleep(0.05)
    time.sleep(0.2)
    wire.send(pointer, 8)  # destroy
    roundtrip(wire)


main()
